#pragma once
// Tells the user that the maker's server offers a newer program: the local
// and the server's version, and the program's page, opened by a click.

#include <QDialog>
#include <QString>

class QLabel;

namespace tlx::ui {

class frmNewVersion : public QDialog {
  Q_OBJECT
  Q_PROPERTY(QString localVersion READ localVersion WRITE setLocalVersion)
  Q_PROPERTY(QString remoteVersion READ remoteVersion WRITE setRemoteVersion)

 public:
  explicit frmNewVersion(QWidget* parent = nullptr);

  QString localVersion() const;
  void setLocalVersion(const QString& versione);
  // The server's whole first line, text after the numbers included.
  QString remoteVersion() const;
  void setRemoteVersion(const QString& versione);

 protected:
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  QLabel* lbLocalVersion_;
  QLabel* lbRemoteVersion_;
  QLabel* lbURL_;
};

}  // namespace tlx::ui
