#include "pages/NamesPage.h"
#include "pages/SnapshotPage.h"
#include "pages/StatusPage.h"

#include "DataSet.h"
#include "UiTestEnv.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace {

// The four kinds of box whose text goes into the data file and to the device.
class BoxPages
{
public:
    BoxPages()
    {
        env.settings.ProgramFolder = env.folder.path();
        env.settings.TextLenInput = 8;
        status.load(&container);
        names.load(&container);
        snapshot.load(&container);
    }

    UiTestEnv env;
    QWidget container;
    StatusPage status{*env.pages};
    NamesPage names{*env.pages};
    SnapshotPage snapshot{*env.pages};
};

struct Pasted
{
    const char* name;
    std::function<QLineEdit*(BoxPages&)> box;
    QString text;
    bool taken;
};

void PrintTo(const Pasted& c, std::ostream* os)
{
    *os << c.name;
}

QLineEdit* statusBox(BoxPages& p)
{
    return p.status.txtStatus(2);
}
QLineEdit* nameBox(BoxPages& p)
{
    return p.names.txtInput(1, 1);
}
QLineEdit* configNameBox(BoxPages& p)
{
    return p.snapshot.txtConfigName(3);
}
QLineEdit* pathBox(BoxPages& p)
{
    return p.snapshot.txtInfoPart01(3);
}

class PastedIntoABox : public ::testing::TestWithParam<Pasted>
{
};

// Windows-1252 is all the files and the wire hold: what it lacks would become '?'.
TEST_P(PastedIntoABox, IsTakenOnlyWhenTheFileCanHoldIt)
{
    BoxPages pages;
    QLineEdit* box = GetParam().box(pages);
    box->setText(QStringLiteral("ab"));
    box->end(false);
    box->insert(GetParam().text);
    EXPECT_EQ(box->text(), GetParam().taken ? QStringLiteral("ab") + GetParam().text : QStringLiteral("ab"));
}

INSTANTIATE_TEST_SUITE_P(
    BoxRules, PastedIntoABox,
    ::testing::Values(Pasted{"StatusOmega", statusBox, QStringLiteral("Stufe \u03A9"), false},
                      Pasted{"StatusEmoji", statusBox, QStringLiteral("On Air \U0001F534"), false},
                      Pasted{"StatusChinese", statusBox, QStringLiteral("\u6F14\u64AD\u5BA4"), false},
                      Pasted{"StatusUmlautAndEuro", statusBox, QStringLiteral("Gr\u00FC\u00DFe 5\u20AC"),
                             true},
                      Pasted{"NameTab", nameBox, QStringLiteral("\tX"), false},
                      Pasted{"NameControl01", nameBox, QStringLiteral("X\u0001"), false},
                      Pasted{"NameOmega", nameBox, QStringLiteral("\u03A9"), false},
                      Pasted{"NameLetters", nameBox, QStringLiteral("Mic~1"), true},
                      Pasted{"ConfigNameTab", configNameBox, QStringLiteral("\t"), false},
                      Pasted{"PathOmega", pathBox, QStringLiteral("\\Stufe \u03A9.CNS"), false},
                      Pasted{"PathChinese", pathBox, QStringLiteral("\\\u6F14.CNS"), false},
                      Pasted{"PathUmlaut", pathBox, QStringLiteral("\\K\u00FChl.CNS"), true}),
    [](const ::testing::TestParamInfo<Pasted>& info) { return std::string(info.param.name); });

void type(QLineEdit* box, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(box, &press);
    }
}

void backspace(QLineEdit* box)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &press);
}

// A file or the device may hold names longer than TextLenInput (8 here) and
// characters that cannot be typed; the box shows them whole and saves them whole.
TEST(BoxRules, NamesFromAFileShowAndSaveWholeAndOnlyTypingIsLimited)
{
    BoxPages pages;
    DataSet& d = pages.env.data.Current;
    d.InputName[0][0].set(QStringLiteral("SPRECHER LINKS 1"));
    d.InputName[0][1].set(QStringLiteral("M\u00FCller"));
    ASSERT_TRUE(pages.names.fromDataSet(pages.env.data));
    QLineEdit* longName = pages.names.txtInput(1, 0);
    EXPECT_EQ(longName->text(), QStringLiteral("SPRECHER LINKS 1"));
    ConfigurationData saved;
    pages.names.toDataSet(saved);
    EXPECT_EQ(saved.Current.InputName[0][0].trimmedRight(), QStringLiteral("SPRECHER LINKS 1"));

    type(longName, QStringLiteral("X"));
    EXPECT_EQ(longName->text(), QStringLiteral("SPRECHER LINKS 1")) << "no longer by typing";
    backspace(longName);
    EXPECT_EQ(longName->text(), QStringLiteral("SPRECHER LINKS "));

    // The umlaut stays; typing goes by the name rule all the same.
    QLineEdit* umlaut = pages.names.txtInput(1, 1);
    type(umlaut, QStringLiteral("\u03A9\u00E42"));
    EXPECT_EQ(umlaut->text(), QStringLiteral("M\u00FCller2"));
    type(umlaut, QStringLiteral("34"));
    EXPECT_EQ(umlaut->text(), QStringLiteral("M\u00FCller23")) << "typing stops at eight";
}

// A field never written holds NUL bytes: the box shows it empty and typing works.
TEST(BoxRules, UnwrittenNameShowsEmpty)
{
    BoxPages pages;
    ASSERT_TRUE(pages.names.fromDataSet(pages.env.data));
    QLineEdit* box = pages.names.txtInput(2, 3);
    EXPECT_EQ(box->text(), QString());
    type(box, QStringLiteral("MIC"));
    EXPECT_EQ(box->text(), QStringLiteral("MIC"));
}

} // namespace
