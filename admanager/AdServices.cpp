#include "admanager/AdServices.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QString shownText(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

QMessageBox::StandardButton showBox(QWidget* owner, QMessageBox::Icon icon, const QString& title,
                                    const QString& text, QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, shownText(text), buttons, owner);
    box.setTextFormat(Qt::PlainText);
    return QMessageBox::StandardButton(box.exec());
}

} // namespace

void DesktopMessageBoxes::information(QWidget* owner, const QString& title, const QString& text) {
    showBox(owner, QMessageBox::Information, title, text, QMessageBox::Ok);
}

void DesktopMessageBoxes::critical(QWidget* owner, const QString& title, const QString& text) {
    showBox(owner, QMessageBox::Critical, title, text, QMessageBox::Ok);
}

bool DesktopMessageBoxes::question(QWidget* owner, const QString& title, const QString& text) {
    return showBox(owner, QMessageBox::Information, title, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void DesktopMessageBoxes::plain(QWidget* owner, const QString& title, const QString& text) {
    showBox(owner, QMessageBox::NoIcon, title, text, QMessageBox::Ok);
}

QString DesktopFileChooser::openFile(QWidget* owner, const QString& title, const QString& folder,
                                     const QString& filter) {
    return QFileDialog::getOpenFileName(owner, title, folder, filter);
}

void DesktopWebOpener::open(const QUrl& address) {
    QDesktopServices::openUrl(address);
}
