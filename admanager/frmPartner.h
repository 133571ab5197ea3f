#pragma once
// The ad manager's one window: a player registers a picture, a link and a nickname as his
// advertisement inside the game, or removes them again.

#include "admanager/AdServices.h"

#include <QDialog>
#include <QLabel>
#include <QString>
#include <QValidator>

class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// A label that reports a left-button click (press and release inside it).
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// Keeps typing and pasting within the nickname limit, counted as the user sees characters.
// Text set from the program (the stored nickname) is shown as it is.
class NicknameValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

class frmPartner : public QDialog {
    Q_OBJECT
public:
    // The window's client size in pixels.
    static constexpr int ClientWidth = 633;
    static constexpr int ClientHeight = 437;

    explicit frmPartner(const AdServices& services, QWidget* parent = nullptr);

    // Reads the settings and fills the window. False when the game is not installed: the user
    // was told, and the program must end without showing the window.
    bool Form_Load();

    const QString& GameDir() const { return gameDir_; }
    // The full path of the chosen picture (the tag of imgFILE); empty while none is chosen.
    const QString& ImageTag() const { return imageTag_; }

private slots:
    void btnIMAGE_Click();
    void btnOK_Click();
    void btnDELETE_Click();
    void btnHELP_Click();
    void Label5_Click();
    void imgFILE_Click();
    void imgFILE2_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void showAdPicture(const QString& file);
    void openLink();
    // Tells the user why a file or settings operation failed (an errno value).
    void reportFailure(int number);

    AdServices services_;
    bool placed_ = false;
    QString gameDir_;
    QString imageTag_;

    QPlainTextEdit* Text1 = nullptr;
    QLineEdit* txtBIT = nullptr;
    ClickLabel* Label5 = nullptr;
    QLineEdit* txtNICK = nullptr;
    QLabel* Label4 = nullptr;
    ClickLabel* imgFILE = nullptr;
    QLabel* lblVIEW = nullptr;
    QPushButton* btnIMAGE = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* txtURL = nullptr;
    QLabel* Label1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnDELETE = nullptr;
    QPushButton* btnHELP = nullptr;
    QLabel* Picture1 = nullptr;
    ClickLabel* imgFILE2 = nullptr;
    QLabel* picERROR = nullptr;
};
