// The about window (texts, the maker's page, the system information tool)
// and the splash window (texts, closing on a key or a click).
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "core/Versione.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "ui/main/frmAbout.h"
#include "ui/main/frmSplash.h"

namespace tlx::ui {
namespace {

QString Testo(const QWidget& finestra, const char* nome) {
  const auto* etichetta = finestra.findChild<QLabel*>(nome);
  EXPECT_NE(etichetta, nullptr) << nome;
  return etichetta ? etichetta->text() : QString();
}

// The version as the build defines it, major.minor.revision.
QString VersioneAttesa() {
  return QStringLiteral("Versione %1.%2.%3").arg(TLX_VERSIONE_MAJOR).arg(TLX_VERSIONE_MINOR).arg(TLX_VERSIONE_REVISION);
}

TEST(AboutTest, ShowsTitleVersionAndTheMakersPage) {
  platform::SimulazioneShell().Registra();
  frmAbout finestra;
  finestra.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));
  finestra.grab().save("frmAbout.png");

  EXPECT_EQ(finestra.windowTitle(), "Informazioni su TremaluxorQVX");
  EXPECT_EQ(Testo(finestra, "lblTitle"), "TremaluxorQVX");
  EXPECT_EQ(Testo(finestra, "lblVersion"), VersioneAttesa());
  EXPECT_EQ(Testo(finestra, "lblDescription"), "Versione Freeware");
  EXPECT_EQ(finestra.findChild<QPushButton*>("cmdOK")->text(), "OK");
  EXPECT_EQ(finestra.findChild<QPushButton*>("cmdSysInfo")->text(), "&System Info...");
  EXPECT_FALSE(finestra.findChild<QLabel*>("picIcon")->pixmap().isNull());

  auto* lbURL = finestra.findChild<QLabel*>("lbURL");
  EXPECT_EQ(lbURL->toolTip(), "Click per aprire la pagina");
  const QUrl indirizzo(lbURL->text());
  EXPECT_TRUE(indirizzo.isValid());
  EXPECT_EQ(indirizzo.scheme(), "http");

  QTest::mouseClick(lbURL, Qt::LeftButton);
  ASSERT_EQ(platform::SimulazioneShell().Richieste().size(), 1u);
  EXPECT_EQ(platform::SimulazioneShell().Richieste().front(), indirizzo);
  EXPECT_TRUE(finestra.isVisible());

  QTest::mouseClick(finestra.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
  EXPECT_FALSE(finestra.isVisible());
  EXPECT_EQ(finestra.result(), QDialog::Accepted);
}

TEST(AboutTest, SystemInfoSaysItIsNotAvailableWithoutTheTool) {
  platform::MessageBox::Registra();
  platform::SimulazioneShell().Registra();
  frmAbout finestra;
  finestra.show();
  QTest::mouseClick(finestra.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);

  ASSERT_EQ(platform::MessageBox::Mostrati().size(), 1u);
  const Messaggio& m = platform::MessageBox::Mostrati().front();
  EXPECT_EQ(m.testo, "Le informazioni sul sistema non sono disponibili in questa fase");
  EXPECT_EQ(m.icona, Icona::Nessuna);
  EXPECT_EQ(m.pulsanti, Pulsanti::Ok);
  EXPECT_EQ(m.titolo, "");
  EXPECT_TRUE(platform::SimulazioneShell().Richieste().empty());
  EXPECT_TRUE(finestra.isVisible());
}

TEST(SplashTest, ShowsTitleVersionAndPlatformFramelessAndCentred) {
  frmSplash splash;
  splash.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
  splash.grab().save("frmSplash.png");

  EXPECT_EQ(Testo(splash, "lblProductName"), "TremaluxorQVX");
  EXPECT_EQ(Testo(splash, "lblVersion"), VersioneAttesa());
  EXPECT_EQ(Testo(splash, "lbVersion"), "Freeware");
  EXPECT_FALSE(Testo(splash, "lblPlatform").isEmpty());
  EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_FALSE(splash.isModal());
  const QRect schermo = splash.screen()->availableGeometry();
  EXPECT_LE(std::abs(splash.frameGeometry().center().x() - schermo.center().x()), 1);
  EXPECT_LE(std::abs(splash.frameGeometry().center().y() - schermo.center().y()), 1);
}

TEST(SplashTest, AKeyPressClosesIt) {
  frmSplash splash;
  splash.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
  QTest::keyClick(&splash, Qt::Key_A);
  EXPECT_FALSE(splash.isVisible());
}

TEST(SplashTest, AClickAnywhereClosesIt) {
  for (const char* dove : {"Frame1", "lblProductName", "lblPlatform"}) {
    frmSplash splash;
    splash.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    auto* bersaglio = splash.findChild<QWidget*>(dove);
    ASSERT_NE(bersaglio, nullptr) << dove;
    QTest::mouseClick(bersaglio, Qt::LeftButton);
    EXPECT_FALSE(splash.isVisible()) << dove;
  }
}

}  // namespace
}  // namespace tlx::ui
