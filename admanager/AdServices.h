#pragma once
// What the ad manager asks of the desktop: message boxes, the open-file dialog and opening a web
// address. The window talks to these small interfaces only, so that tests can answer them.

#include <QString>
#include <QUrl>

class QWidget;

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Texts may hold "\r\n" line breaks; the boxes show them as line breaks.
    virtual void information(QWidget* owner, const QString& title, const QString& text) = 0;
    virtual void critical(QWidget* owner, const QString& title, const QString& text) = 0;
    // Information icon with Yes and No; true only for Yes.
    virtual bool question(QWidget* owner, const QString& title, const QString& text) = 0;
    // No icon, one OK button.
    virtual void plain(QWidget* owner, const QString& title, const QString& text) = 0;
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen file's full path, or empty when the user cancels.
    virtual QString openFile(QWidget* owner, const QString& title, const QString& folder, const QString& filter) = 0;
};

class WebOpener {
public:
    virtual ~WebOpener() = default;
    virtual void open(const QUrl& address) = 0;
};

// The real ones: QMessageBox, QFileDialog, QDesktopServices.
class DesktopMessageBoxes final : public MessageBoxes {
public:
    void information(QWidget* owner, const QString& title, const QString& text) override;
    void critical(QWidget* owner, const QString& title, const QString& text) override;
    bool question(QWidget* owner, const QString& title, const QString& text) override;
    void plain(QWidget* owner, const QString& title, const QString& text) override;
};

class DesktopFileChooser final : public FileChooser {
public:
    QString openFile(QWidget* owner, const QString& title, const QString& folder, const QString& filter) override;
};

class DesktopWebOpener final : public WebOpener {
public:
    void open(const QUrl& address) override;
};

struct AdServices {
    MessageBoxes* boxes = nullptr;
    FileChooser* files = nullptr;
    WebOpener* web = nullptr;
};
