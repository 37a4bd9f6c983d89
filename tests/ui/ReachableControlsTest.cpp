#include "MainWindow.h"

#include "FramedPanel.h"
#include "Twips.h"
#include "UiTestEnv.h"
#include "pages/TabPage.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <map>

// Every control of every page must be usable on the window a model's settings
// file gives: shown, and wholly inside the page area, scrolled there if need be.
namespace {

struct WindowCase
{
    const char* name;
    const char* settingsFile;
    int faders; // 0: as the settings file says
    const char* language;
    // Buttons, boxes, lists and check boxes the user has on each page.
    std::map<QString, int> controls;
};

void PrintTo(const WindowCase& c, std::ostream* os)
{
    *os << c.name;
}

// Label boxes count as boxes: a cut-off label is as bad as a cut-off input.
QList<QWidget*> controlsOf(const TabPage& page)
{
    QList<QWidget*> found;
    for (QWidget* w : page.fraTab()->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                             (qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w->parentWidget()));
        if (control && w->isVisibleTo(page.fraTab()))
            found.append(w);
    }
    return found;
}

// Scrolls the page so that the control's lower edge is in view (as far as the
// scroll bar goes), then says where the control is cut, or nothing when it is whole.
QString cutOff(MainWindow& window, QWidget* control)
{
    QWidget* page = window.currentPage()->fraTab();
    const QRect onPage(control->mapTo(page, QPoint(0, 0)), control->size());
    QScrollBar* bar = window.verticalScroll();
    const int below = onPage.bottom() + 1 - window.container()->height();
    bar->setValue(std::clamp(Twips::fromPixelsY(std::max(0, below)) + 1, bar->minimum(), bar->maximum()));

    for (QWidget* w = control->parentWidget(); w; w = w->parentWidget()) {
        const QRect r(control->mapTo(w, QPoint(0, 0)), control->size());
        if (!w->rect().contains(r))
            return QStringLiteral("cut by %1 %2: %3,%4 %5x%6 in %7x%8")
                .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName())
                .arg(r.x())
                .arg(r.y())
                .arg(r.width())
                .arg(r.height())
                .arg(w->width())
                .arg(w->height());
        if (w == &window)
            break;
    }
    // The scroll bar lies over the right edge of the page area.
    const QRect inWindow(control->mapTo(&window, QPoint(0, 0)), control->size());
    if (inWindow.right() >= window.verticalScroll()->mapTo(&window, QPoint(0, 0)).x())
        return QStringLiteral("under the scroll bar");
    return QString();
}

// How far a box scrolls its text to the left to show the end of it, as it does
// when the text is wider than the box: the cursor at the end, drawn, lies that
// much left of where the text's width puts it.
int scrolledBy(QLineEdit* edit)
{
    edit->setCursorPosition(0);
    edit->grab();
    const int start = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
    edit->setCursorPosition(int(edit->text().size()));
    edit->grab();
    const int end = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
    return qRound(QFontMetricsF(edit->font()).horizontalAdvance(edit->text())) - (end - start);
}

int textRoom(const QComboBox* box)
{
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.rect = box->rect();
    option.editable = box->isEditable();
    option.frame = box->hasFrame();
    return box->style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box)
        .width();
}

// Where a control's text does not fit, the text and how many pixels it lacks.
QString cutText(QWidget* control)
{
    QString text;
    int lacking = 0;
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        text = edit->text();
        lacking = scrolledBy(edit);
    } else if (auto* box = qobject_cast<QComboBox*>(control)) {
        text = box->currentText();
        lacking = box->fontMetrics().horizontalAdvance(text) - textRoom(box);
    } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
        text = check->text();
        lacking = check->sizeHint().width() - check->width();
    }
    return lacking > 0 ? QStringLiteral("%1 lacks %2").arg(text).arg(lacking) : QString();
}

class ReachableControls : public ::testing::TestWithParam<WindowCase>
{
protected:
    void SetUp() override
    {
        const WindowCase& c = GetParam();
        const QByteArray ini = UiTestEnv::shippedSettings(QString::fromLatin1(c.settingsFile));
        ASSERT_FALSE(ini.isEmpty()) << c.settingsFile;
        env = std::make_unique<UiTestEnv>(ini, QString::fromLatin1(c.language));
        ASSERT_EQ(env->readStartupSettings(), 0);
        if (c.faders)
            env->settings.Layer_NumFaders = static_cast<qint16>(c.faders);
        // The version page too.
        env->settings.ShowTabStrip_System = true;
        window = std::make_unique<MainWindow>(*env->pages);
        window->show();
    }

    std::unique_ptr<UiTestEnv> env;
    std::unique_ptr<MainWindow> window;
};

TEST_P(ReachableControls, EveryControlOfEveryPageIsShownWhole)
{
    const WindowCase& c = GetParam();
    for (int height : {window->height(), Twips::toPixelsY(MainWindow::MinHeightTwips)}) {
        window->resize(window->width(), height);
        std::map<QString, int> counted;
        for (int tab = 0; tab < window->tabStrip()->count(); ++tab) {
            window->tabStrip()->setCurrentIndex(tab);
            const TabPage* page = window->currentPage();
            ASSERT_NE(page, nullptr) << tab;
            for (QWidget* control : controlsOf(*page)) {
                ++counted[page->formName()];
                EXPECT_EQ(cutOff(*window, control).toStdString(), "")
                    << page->formName().toStdString() << " " << control->objectName().toStdString()
                    << " at height " << height;
            }
        }
        EXPECT_EQ(counted, c.controls) << "at height " << height;
    }
}

TEST_P(ReachableControls, TextsTheProgramShowsFitTheirBoxes)
{
    for (int tab = 0; tab < window->tabStrip()->count(); ++tab) {
        window->tabStrip()->setCurrentIndex(tab);
        const TabPage* page = window->currentPage();
        for (QWidget* control : controlsOf(*page))
            EXPECT_EQ(cutText(control).toStdString(), "")
                << page->formName().toStdString() << " " << control->objectName().toStdString();
    }
}

TEST_P(ReachableControls, EveryTabCanBeReached)
{
    QTabBar* tabs = window->tabStrip();
    ASSERT_EQ(tabs->count(), 10);
    const QRect inWindow(tabs->mapTo(window.get(), QPoint(0, 0)), tabs->size());
    EXPECT_TRUE(window->rect().contains(inWindow));
    QList<QRect> arrows;
    for (QToolButton* arrow : tabs->findChildren<QToolButton*>()) {
        if (arrow->isVisible())
            arrows.append(arrow->geometry());
    }
    // Selected, each tab comes into view, clear of the scroll arrows.
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        const QRect tab = tabs->tabRect(i);
        EXPECT_TRUE(tabs->rect().contains(tab)) << i;
        for (const QRect& arrow : arrows)
            EXPECT_FALSE(arrow.intersects(tab)) << i;
    }
}

// Controls per page: status 6 labels and 6 texts; names a box per name and a
// label per row of four; layer a header per fader pair, 8 layer labels and a
// cell with its button per pair and layer; output a list per output and a
// label per row; monitor 9 labels, 7 check boxes, 7 lists; GPIO label, box,
// button and info per input and output in use; ESAM 3 check boxes, 2 column
// and 9 row labels, 18 boxes with their buttons, 2 labels with their lists;
// snapshot 8 rows of label, file, name, two flags, fetch and send, the group
// row's label, file, fetch and send, the start label and list; fader box 9
// inputs and 9 outputs of 4; version label, box and button.
std::map<QString, int> controls(int faders, int names, int outputs)
{
    const int pairs = faders / 2;
    return {{QStringLiteral("frmTabStripData01"), 12},
            {QStringLiteral("frmTabStripData02"), names},
            {QStringLiteral("frmTabStripData03"), pairs + 8 + 16 * pairs},
            {QStringLiteral("frmTabStripData04"), 23},
            {QStringLiteral("frmTabStripData05"), 80},
            {QStringLiteral("frmTabStripData06"), 54},
            {QStringLiteral("frmTabStripData07"), 62},
            {QStringLiteral("frmTabStripData08"), 72},
            {QStringLiteral("frmTabStripData09"), outputs},
            {QStringLiteral("frmTabStripData99"), 3}};
}

// ZEL308: names 12+4+4+4+8 in 3+1+1+1+2 rows, outputs 5 times 4 in one row
// each. ZEL312s: names 16+8+8+4+12 in 4+2+2+1+3 rows, outputs 8+4+8+4+8 in
// 2+1+2+1+2 rows.
const auto Zel308 = [](int faders) { return controls(faders, 40, 25); };
const auto Zel312s = [](int faders) { return controls(faders, 60, 40); };

INSTANTIATE_TEST_SUITE_P(
    MainWindow, ReachableControls,
    ::testing::Values(WindowCase{"Zel308Shipped", "ZEL308Tools.Ini", 0, "GER", Zel308(8)},
                      WindowCase{"Zel308ShippedEnglish", "ZEL308Tools.Ini", 0, "ENG", Zel308(8)},
                      WindowCase{"Zel308TwoFaders", "ZEL308Tools.Ini", 2, "GER", Zel308(2)},
                      WindowCase{"Zel308TwelveFaders", "ZEL308Tools.Ini", 12, "GER", Zel308(12)},
                      WindowCase{"Zel308SixteenFaders", "ZEL308Tools.Ini", 16, "GER", Zel308(16)},
                      WindowCase{"Zel312sShipped", "ZEL312sTools.Ini", 0, "GER", Zel312s(12)},
                      WindowCase{"Zel312sShippedEnglish", "ZEL312sTools.Ini", 0, "ENG", Zel312s(12)},
                      WindowCase{"Zel312sTwoFaders", "ZEL312sTools.Ini", 2, "GER", Zel312s(2)},
                      WindowCase{"Zel312sEightFaders", "ZEL312sTools.Ini", 8, "GER", Zel312s(8)},
                      WindowCase{"Zel312sSixteenFaders", "ZEL312sTools.Ini", 16, "GER", Zel312s(16)}),
    [](const ::testing::TestParamInfo<WindowCase>& info) { return std::string(info.param.name); });

} // namespace
