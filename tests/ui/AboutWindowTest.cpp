#include "AboutWindow.h"
#include "ModelPictures.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

ProgramInfo sampleInfo()
{
    ProgramInfo info;
    info.title = QStringLiteral("ZEL308Tools");
    info.deviceModel = QStringLiteral("ZEL308");
    info.productName = QStringLiteral("ZEL308 Editor");
    info.versionMajor = 2;
    info.versionMinor = 4;
    info.versionRevision = 17;
    info.legalCopyright = QStringLiteral("Copyright (C) Rimtal Audio");
    info.companyName = QStringLiteral("Rimtal Audio");
    info.comments = QStringLiteral("first<cr>second<tab>tabbed");
    info.webAddress = QStringLiteral("https://www.rimtal-audio.example");
    return info;
}

TEST(ModelPictures, ModelIsFoundByItsFirstSixLetters)
{
    EXPECT_EQ(ModelPictures::modelIndex(QStringLiteral("ZEL308")), 1);
    EXPECT_EQ(ModelPictures::modelIndex(QStringLiteral("zel312s")), 2);
    EXPECT_EQ(ModelPictures::modelIndex(QStringLiteral("MOR304m")), 3);
    EXPECT_EQ(ModelPictures::modelIndex(QStringLiteral("Mor308M")), 4);
    EXPECT_EQ(ModelPictures::modelIndex(QStringLiteral("ZEL30")), 0);
    EXPECT_EQ(ModelPictures::modelIndex(QStringLiteral("Studio")), 0);
}

TEST(ModelPictures, EveryPictureRenders)
{
    ASSERT_TRUE(QImageReader::supportedImageFormats().contains("svg")) << "the SVG image plugin is missing";
    for (int index = 0; index <= 4; ++index) {
        EXPECT_FALSE(ModelPictures::logo(index, QSize(320, 200)).isNull()) << index;
        EXPECT_FALSE(ModelPictures::icon(index).pixmap(32).isNull()) << index;
    }
    // Each model has a picture of its own.
    EXPECT_NE(ModelPictures::logo(1, QSize(64, 40)).toImage(),
              ModelPictures::logo(3, QSize(64, 40)).toImage());
    EXPECT_NE(ModelPictures::logo(0, QSize(64, 40)).toImage(),
              ModelPictures::logo(1, QSize(64, 40)).toImage());
}

TEST(AboutWindow, InfoTextBreaksAtCrAndTab)
{
    AboutWindow about(sampleInfo(), false);
    EXPECT_EQ(about.infoText(),
              QStringLiteral("ZEL308 Editor  V2.4.17\nRimtal Audio\nfirst\nsecond\ttabbed"));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Info zu ZEL308Tools"));
}

TEST(AboutWindow, FileDescriptionStandsOnALineOfItsOwn)
{
    ProgramInfo info = sampleInfo();
    info.fileDescription = QStringLiteral("Konfiguration");
    info.comments.clear();
    info.companyName.clear();
    info.legalTrademarks = QStringLiteral("ZEL<cr><cr>MOR");
    AboutWindow about(info, false);
    EXPECT_EQ(about.infoText(), QStringLiteral("Konfiguration\nZEL308 Editor  V2.4.17\nZEL\n\nMOR"));
}

TEST(AboutWindow, AltAddsTheLegalLineAndEscCloses)
{
    AboutWindow about(sampleInfo(), false);
    about.show();
    QKeyEvent alt(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    QCoreApplication::sendEvent(about.okButton(), &alt);
    EXPECT_TRUE(about.details());
    EXPECT_EQ(about.infoText().section(QLatin1Char('\n'), 1, 1),
              QStringLiteral("Copyright (C) Rimtal Audio"));
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(about.infoView(), &esc);
    EXPECT_FALSE(about.isVisible());
    EXPECT_FALSE(about.details());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST(AboutWindow, WebAddressOpensWithTheDesktop)
{
    AboutWindow about(sampleInfo(), false);
    QUrl opened;
    about.setUrlOpener([&](const QUrl& url) { opened = url; });
    EXPECT_EQ(about.internetLabel()->toolTip(),
              QStringLiteral("Internet:  https://www.rimtal-audio.example"));
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(3, 3), QPointF(3, 3), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(about.internetLabel(), &release);
    EXPECT_EQ(opened, QUrl(QStringLiteral("https://www.rimtal-audio.example")));
    EXPECT_TRUE(opened.host().endsWith(QStringLiteral(".example")));
}

TEST(AboutWindow, AboutUseGivesTheMainWindowTheModelIcon)
{
    QMainWindow main;
    const qint64 before = main.windowIcon().cacheKey();
    AboutWindow about(sampleInfo(), false, &main);
    EXPECT_NE(main.windowIcon().cacheKey(), before);
    EXPECT_EQ(about.info1()->text(), QString());
    EXPECT_EQ(about.info2()->text(), QString());
}

TEST(AboutWindow, SplashShowsLogoAndVersionOnly)
{
    AboutWindow splash(sampleInfo(), true);
    EXPECT_EQ(splash.info1()->text(), QStringLiteral("V2.4.17"));
    EXPECT_EQ(splash.info2()->text(), QStringLiteral("Initialization..."));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(splash.okButton()->isHidden());
    EXPECT_TRUE(splash.infoView()->isHidden());
    EXPECT_EQ(splash.logo()->pos(), QPoint(0, 0));
    EXPECT_EQ(splash.size(), splash.logo()->size());
}

TEST(AboutWindow, UnknownModelKeepsTheDesignLogo)
{
    ProgramInfo info = sampleInfo();
    info.deviceModel = QStringLiteral("Studio9");
    QMainWindow main;
    const qint64 before = main.windowIcon().cacheKey();
    AboutWindow about(info, false, &main);
    EXPECT_EQ(about.modelIndex(), 0);
    EXPECT_EQ(main.windowIcon().cacheKey(), before);
    const QSize size = about.logo()->pixmap().size();
    EXPECT_EQ(about.logo()->pixmap().toImage(), ModelPictures::logo(0, size).toImage());
}

} // namespace
