#include "pages/NamesPage.h"
#include "pages/SnapshotPage.h"
#include "pages/StatusPage.h"

#include "DataSet.h"
#include "UiTestEnv.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

// The pages whose box texts go into the data file and to the device; names
// may be typed up to eight characters.
struct BoxPages
{
    BoxPages()
    {
        env.settings.TextLenInput = 8;
        for (TabPage* page : std::initializer_list<TabPage*>{&status, &names, &snapshot})
            page->load(&container);
    }

    UiTestEnv env;
    QWidget container;
    StatusPage status{*env.pages};
    NamesPage names{*env.pages};
    SnapshotPage snapshot{*env.pages};
};

void type(QLineEdit* box, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(box, &press);
    }
}

// Windows-1252 is all the files and the wire hold: what it lacks would become '?'.
TEST(BoxRules, PastedTextIsTakenOnlyWhenTheFileCanHoldIt)
{
    BoxPages p;
    const struct
    {
        QLineEdit* box;
        QString text;
        bool taken;
    } cases[] = {
        {p.status.txtStatus(2), QStringLiteral("Stufe \u03A9"), false},
        {p.status.txtStatus(2), QStringLiteral("On Air \U0001F534"), false},
        {p.status.txtStatus(2), QStringLiteral("\u6F14\u64AD\u5BA4"), false},
        {p.status.txtStatus(2), QStringLiteral("Gr\u00FC\u00DFe 5\u20AC"), true},
        {p.names.txtInput(1, 1), QStringLiteral("\tX"), false},
        {p.names.txtInput(1, 1), QStringLiteral("X\u0001"), false},
        {p.names.txtInput(1, 1), QStringLiteral("Mic~1"), true},
        {p.snapshot.txtConfigName(3), QStringLiteral("\t"), false},
        {p.snapshot.txtInfoPart01(3), QStringLiteral("\\Stufe \u03A9.CNS"), false},
        {p.snapshot.txtInfoPart01(3), QStringLiteral("\\K\u00FChl.CNS"), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box->objectName().toStdString() + " " + c.text.toStdString());
        c.box->setText(QStringLiteral("ab"));
        c.box->end(false);
        c.box->insert(c.text);
        EXPECT_EQ(c.box->text(), c.taken ? QStringLiteral("ab") + c.text : QStringLiteral("ab"));
    }
}

// A file or the device may hold longer names and characters that cannot be
// typed; the box shows and saves them whole, and only typing follows the rules.
TEST(BoxRules, NamesFromAFileShowAndSaveWholeAndOnlyTypingIsLimited)
{
    BoxPages p;
    DataSet& d = p.env.data.Current;
    d.InputName[0][0].set(QStringLiteral("SPRECHER LINKS 1"));
    d.InputName[0][1].set(QStringLiteral("M\u00FCller"));
    ASSERT_TRUE(p.names.fromDataSet(p.env.data));
    QLineEdit* longName = p.names.txtInput(1, 0);
    type(longName, QStringLiteral("X"));
    EXPECT_EQ(longName->text(), QStringLiteral("SPRECHER LINKS 1"));
    ConfigurationData saved;
    p.names.toDataSet(saved);
    EXPECT_EQ(saved.Current.InputName[0][0].trimmedRight(), QStringLiteral("SPRECHER LINKS 1"));

    QLineEdit* umlaut = p.names.txtInput(1, 1);
    type(umlaut, QStringLiteral("\u03A9\u00E4234"));
    EXPECT_EQ(umlaut->text(), QStringLiteral("M\u00FCller23")) << "typing stops at eight";
    // A field never written holds NUL bytes: its box is empty, not full of them.
    EXPECT_EQ(p.names.txtInput(2, 3)->text(), QString());
}

} // namespace
