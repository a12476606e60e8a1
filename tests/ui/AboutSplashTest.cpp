#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "ui/main/frmAbout.h"
#include "ui/main/frmSplash.h"

namespace tlx::ui {
namespace {

TEST(AboutTest, TheLinkOpensThePageItShowsAndSystemInfoSaysItIsNotAvailable) {
  platform::MessageBox::Registra();
  platform::SimulazioneShell().Registra();
  frmAbout finestra;
  finestra.show();
  auto* lbURL = finestra.findChild<QLabel*>("lbURL");
  QTest::mouseClick(lbURL, Qt::LeftButton);
  QTest::mouseClick(finestra.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
  const Messaggio nonDisponibili{Icona::Nessuna, Pulsanti::Ok, "", "Le informazioni sul sistema non sono disponibili in questa fase"};
  EXPECT_EQ(std::pair(platform::SimulazioneShell().Richieste(), platform::MessageBox::Mostrati()),
            std::pair(std::vector{QUrl(lbURL->text())}, Messaggi{nonDisponibili}));
  EXPECT_TRUE(lbURL->text().endsWith("/tremaluxorqvx/"));
  // The page is on the maker's server unless the deployment names another, however it was written.
  for (const auto& [server, pagina] : {std::pair<QByteArray, QString>{"", "http://www.tremaluxorqvx.it/tremaluxorqvx/"},
                                       {" http://127.0.0.1:9// ", "http://127.0.0.1:9/tremaluxorqvx/"}}) {
    qputenv("TREMALUXOR_SERVER", server);
    EXPECT_EQ(frmAbout().findChild<QLabel*>("lbURL")->text(), pagina);
  }
  qputenv("TREMALUXOR_SERVER", "http://127.0.0.1:9");
}

TEST(SplashTest, AKeyOrAClickOnAnyOfItsLabelsClosesIt) {
  for (const char* dove : {"", "lblProductName"}) {
    frmSplash splash;
    splash.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    if (*dove) QTest::mouseClick(splash.findChild<QWidget*>(dove), Qt::LeftButton);
    else QTest::keyClick(&splash, Qt::Key_A);
    EXPECT_FALSE(splash.isVisible()) << dove;
  }
}

}  // namespace
}  // namespace tlx::ui
