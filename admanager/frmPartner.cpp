#include "admanager/frmPartner.h"

#include "admanager/AdStore.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <QStringList>
#include <QUrl>

namespace {

const QString WindowCaption = QStringLiteral("타빈맞고 광고관리 v 1.0.0");
const QString BoxTitle = QStringLiteral("광고관리");
const QString GameTitle = QStringLiteral("타빈맞고");
// The program's own title, on the general error message.
const QString ProgramTitle = QStringLiteral("타빈맞고 광고관리");

const QString NotInstalledText = QStringLiteral("타빈맞고를 먼저 설치하신 후에 다시 실행해 주세요");
const QString NoNicknameText = QStringLiteral("광고자의 닉네임을 입력해주세요");
const QString LongNicknameText = QStringLiteral("닉네임은 영문 12자까지 입력해주세요");
const QString NoPictureText =
    QStringLiteral("광고이미지 JPG 파일을 선택해 주시기 바랍니다.\r\n이미지 크기에 맞게 제작하여 선택해주세요");
const QString BadLinkText = QStringLiteral(
    "링크주소를 정확하게 입력해주세요\r\n링크주소는 http 또는 https 를 포함하여 입력해 주시기 바랍니다");
const QString AppliedText =
    QStringLiteral("광고파일이 적용되었습니다.\r\n타빈맞고를 다시 실행하시면 확인하실 수 있습니다.");
const QString DeleteQuestionText =
    QStringLiteral("지금 바로 광고를 삭제하시겠습니까? \r\n삭제 후 다시 등록하실 수 있습니다. ");
const QString DeletedText = QStringLiteral("타빈맞고내 등록되어있는 광고가 삭제되었습니다.");
const QString AdministratorText =
    QStringLiteral("보이는 그림처럼 광고관리 프로그램을 [관리자 권한으로 실행]을 해주세요.");
const QString GeneralErrorText = QStringLiteral("광고관리 설정중 에러가 발생하였습니다.\r\n에러번호(");

const QString ChooseTitle = QStringLiteral("JPG 포멧 광고이미지를 선택하세요");
const QString ChooseFilter = QStringLiteral("JPG Files (*.jpg)");

const QStringList ExplanationLines = {
    QStringLiteral("타빈맞고 광고관리는 타빈맞고내에 나의 광고를 넣을 "),
    QStringLiteral("수 있는 광고도구입니다."),
    QStringLiteral("나의 명함이나 홍보문구가 들어간 이미지파일과 링크주"),
    QStringLiteral("소를 함께 등록할 수가 있습니다."),
    QStringLiteral("이미지와 링크주소를 삭제하려면 타빈맞고를 삭제하면 "),
    QStringLiteral("광고 역시도 삭제가 됩니다."),
    QStringLiteral("광고를 등록하기 위해서는 우선 먼저 타빈맞고를 먼저 "),
    QStringLiteral("설치"),
    QStringLiteral("하신 후에 광고관리 프로그램을 실행하여 설치해주시기 "),
    QStringLiteral("바"),
    QStringLiteral("랍니다."),
    QString(),
    QStringLiteral("게임사용자는 광고면에서 오른쪽 마우스를 클릭하여 해"),
    QStringLiteral("당광"),
    QStringLiteral("고를 숨길 수 있는 기능이 존재합니다."),
};

// Design positions are in twips; 15 twips make a pixel at 96 dpi.
constexpr int px(int twips) { return twips / 15; }

QPixmap loadPicture(const QString& file) {
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    return QPixmap::fromImage(reader.read());
}

} // namespace

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click) emit clicked();
}

QValidator::State NicknameValidator::validate(QString& input, int&) const {
    return AdStore::VisibleLength(input) <= AdStore::NicknameLimit ? Acceptable : Invalid;
}

frmPartner::frmPartner(const AdServices& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      services_(services) {
    setObjectName(QStringLiteral("frmPartner"));
    setWindowTitle(WindowCaption);
    const QPixmap icon(QStringLiteral(":/tavinad/icon.png"));
    if (!icon.isNull()) setWindowIcon(QIcon(icon));
    QFont font(QStringLiteral("NanumGothic"));
    font.setPixelSize(12);
    setFont(font);
    setFixedSize(ClientWidth, ClientHeight);
    buildControls();
}

void frmPartner::buildControls() {
    auto named = [](QWidget* w, const char* name) { w->setObjectName(QLatin1String(name)); };

    Text1 = new QPlainTextEdit(this);
    named(Text1, "Text1");
    Text1->setGeometry(px(240), px(240), px(5295), px(1095));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setPlainText(ExplanationLines.join(QLatin1Char('\n')) + QLatin1Char('\n'));

    txtBIT = new QLineEdit(this);
    named(txtBIT, "txtBIT");
    txtBIT->setGeometry(px(240), px(1440), px(3135), px(300));
    txtBIT->setReadOnly(true);
    {
        QFont bold = txtBIT->font();
        bold.setBold(true);
        txtBIT->setFont(bold);
        QPalette pal = txtBIT->palette();
        pal.setColor(QPalette::Text, QColor(0, 0, 128));
        txtBIT->setPalette(pal);
    }

    Label5 = new ClickLabel(QStringLiteral("다운로드 바로가기"), this);
    named(Label5, "Label5");
    Label5->move(px(3600), px(1530));
    Label5->setAutoFillBackground(true);
    {
        QPalette pal = Label5->palette();
        pal.setColor(QPalette::Window, QColor(255, 255, 0));
        pal.setColor(QPalette::WindowText, QColor(0, 0, 0));
        Label5->setPalette(pal);
    }
    Label5->setCursor(Qt::PointingHandCursor);
    Label5->adjustSize();

    txtNICK = new QLineEdit(this);
    named(txtNICK, "txtNICK");
    txtNICK->setGeometry(px(240), px(1860), px(3135), px(300));
    txtNICK->setValidator(new NicknameValidator(txtNICK));

    Label4 = new QLabel(QStringLiteral("닉네임 영문 12자이내"), this);
    named(Label4, "Label4");
    Label4->move(px(3600), px(1920));
    Label4->adjustSize();

    // The picture fills the inside of the border at its real size, 210 x 70 pixels.
    imgFILE = new ClickLabel(this);
    named(imgFILE, "imgFILE");
    imgFILE->setFrameShape(QFrame::Box);
    imgFILE->setLineWidth(1);
    imgFILE->setGeometry(px(240) - 1, px(2400) - 1, px(3150) + 2, px(1050) + 2);
    imgFILE->setScaledContents(true);
    imgFILE->setCursor(Qt::PointingHandCursor);

    lblVIEW = new QLabel(QStringLiteral("보여지는 이 크기입니다"), this);
    named(lblVIEW, "lblVIEW");
    lblVIEW->move(px(720), px(2820));
    {
        QPalette pal = lblVIEW->palette();
        pal.setColor(QPalette::WindowText, QColor(128, 128, 128));
        lblVIEW->setPalette(pal);
    }
    lblVIEW->adjustSize();

    btnIMAGE = new QPushButton(QStringLiteral("광고이미지 찾기"), this);
    named(btnIMAGE, "btnIMAGE");
    btnIMAGE->setGeometry(px(3600), px(2400), px(1935), px(1095));
    btnIMAGE->setAutoDefault(false);

    Label2 = new QLabel(QStringLiteral("광고는 JPG 파일이며 크기는 <210X70> 픽셀입니다"), this);
    named(Label2, "Label2");
    Label2->setTextFormat(Qt::PlainText);
    Label2->setGeometry(px(360), px(3600), px(5055), px(375));
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    txtURL = new QLineEdit(this);
    named(txtURL, "txtURL");
    txtURL->setGeometry(px(240), px(3960), px(5295), px(375));

    Label1 = new QLabel(QStringLiteral("클릭시 링크주소를 입력하세요 http 또는 https 포함"), this);
    named(Label1, "Label1");
    Label1->setGeometry(px(240), px(4440), px(5295), px(255));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Frame2 = new QGroupBox(this);
    named(Frame2, "Frame2");
    Frame2->setGeometry(px(240), px(4740), px(5295), px(855));
    Label3 = new QLabel(
        QStringLiteral("타빈맞고를 먼저 설치해드리고 광고관리 프로그램을 통해서 여러분의 광고이미지와 링크를 적용해주세요"),
        Frame2);
    named(Label3, "Label3");
    Label3->setGeometry(8, 8, Frame2->width() - 16, Frame2->height() - 14);
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setWordWrap(true);
    {
        QPalette pal = Label3->palette();
        pal.setColor(QPalette::WindowText, QColor(0, 0, 255));
        Label3->setPalette(pal);
    }

    btnOK = new QPushButton(QStringLiteral("광고적용하기"), this);
    named(btnOK, "btnOK");
    btnOK->setGeometry(px(840), px(5760), px(1695), px(615));
    btnOK->setDefault(true);

    btnDELETE = new QPushButton(QStringLiteral("광고삭제"), this);
    named(btnDELETE, "btnDELETE");
    btnDELETE->setGeometry(px(2880), px(5760), px(1215), px(615));
    btnDELETE->setAutoDefault(false);

    btnHELP = new QPushButton(QStringLiteral("도움말"), this);
    named(btnHELP, "btnHELP");
    btnHELP->setGeometry(px(4320), px(5760), px(1215), px(615));
    btnHELP->setAutoDefault(false);

    Picture1 = new QLabel(this);
    named(Picture1, "Picture1");
    Picture1->setGeometry(px(5880), px(240), px(3435), px(6030));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setPixmap(QPixmap(QStringLiteral(":/tavinad/gamescreen.png")));

    imgFILE2 = new ClickLabel(Picture1);
    named(imgFILE2, "imgFILE2");
    imgFILE2->setGeometry(px(225), px(2490), px(3150), px(1050));
    imgFILE2->setScaledContents(true);
    imgFILE2->setCursor(Qt::PointingHandCursor);

    picERROR = new QLabel(this);
    named(picERROR, "picERROR");
    picERROR->setPixmap(QPixmap(QStringLiteral(":/tavinad/admin.png")));
    picERROR->adjustSize();
    picERROR->hide();

    connect(btnIMAGE, &QPushButton::clicked, this, &frmPartner::btnIMAGE_Click);
    connect(btnOK, &QPushButton::clicked, this, &frmPartner::btnOK_Click);
    connect(btnDELETE, &QPushButton::clicked, this, &frmPartner::btnDELETE_Click);
    connect(btnHELP, &QPushButton::clicked, this, &frmPartner::btnHELP_Click);
    connect(Label5, &ClickLabel::clicked, this, &frmPartner::Label5_Click);
    connect(imgFILE, &ClickLabel::clicked, this, &frmPartner::imgFILE_Click);
    connect(imgFILE2, &ClickLabel::clicked, this, &frmPartner::imgFILE2_Click);
}

bool frmPartner::Form_Load() {
    gameDir_ = AdStore::ReadGameDir();
    if (gameDir_.isEmpty()) {
        services_.boxes->critical(this, BoxTitle, NotInstalledText);
        return false;
    }
    const QString adFile = AdStore::AdImageFile(gameDir_);
    if (QFileInfo(adFile).isFile()) showAdPicture(adFile);
    txtNICK->setText(AdStore::ReadGameSetting(QStringLiteral("NICK")));
    txtURL->setText(AdStore::ReadGameSetting(QStringLiteral("URL")));
    picERROR->move(104, 8);
    picERROR->hide();
    txtBIT->setText(AdStore::ProcessorWidth() + QStringLiteral("bit 용 타빈맞고 설치하기..."));
    return true;
}

void frmPartner::showAdPicture(const QString& file) {
    lblVIEW->hide();
    const QPixmap picture = loadPicture(file);
    imgFILE->setPixmap(picture);
    imgFILE2->setPixmap(picture);
    imageTag_ = file;
}

void frmPartner::btnIMAGE_Click() {
    const QString file = services_.files->openFile(this, ChooseTitle, QDir::rootPath(), ChooseFilter);
    if (file.isEmpty() || !QFileInfo(file).isFile()) return;
    showAdPicture(file);
}

void frmPartner::btnOK_Click() {
    const QString nick = txtNICK->text();
    const QString url = txtURL->text();
    if (nick.isEmpty()) {
        services_.boxes->critical(this, GameTitle, NoNicknameText);
        return;
    }
    if (AdStore::VisibleLength(nick) > AdStore::NicknameLimit) {
        services_.boxes->critical(this, BoxTitle, LongNicknameText);
        return;
    }
    if (imageTag_.isEmpty() || !QFileInfo(imageTag_).isFile()) {
        services_.boxes->critical(this, BoxTitle, NoPictureText);
        return;
    }
    if (!AdStore::IsWebLink(url)) {
        services_.boxes->critical(this, BoxTitle, BadLinkText);
        return;
    }
    // What is done before a failure stays done.
    int failure = AdStore::CopyReplacing(imageTag_, AdStore::AdImageFile(gameDir_));
    if (!failure) failure = AdStore::WriteGameSetting(QStringLiteral("URL"), url);
    if (!failure) failure = AdStore::WriteGameSetting(QStringLiteral("NICK"), nick);
    if (failure) {
        reportFailure(failure);
        return;
    }
    services_.boxes->information(this, BoxTitle, AppliedText);
}

void frmPartner::btnDELETE_Click() {
    if (!services_.boxes->question(this, BoxTitle, DeleteQuestionText)) return;
    int failure = AdStore::RemoveIfExists(AdStore::AdImageFile(gameDir_));
    if (!failure) failure = AdStore::RemoveGameSetting(QStringLiteral("URL"));
    if (!failure) failure = AdStore::RemoveGameSetting(QStringLiteral("NICK"));
    if (failure) {
        reportFailure(failure);
        return;
    }
    // No picture is shown any more, so none is chosen either: applying again needs a new choice.
    imgFILE->clear();
    imgFILE2->clear();
    imageTag_.clear();
    lblVIEW->show();
    txtNICK->clear();
    txtURL->clear();
    services_.boxes->information(this, BoxTitle, DeletedText);
}

void frmPartner::btnHELP_Click() {
    services_.web->open(QUrl(AdStore::HelpPage(AdStore::ReadServerBase())));
}

void frmPartner::Label5_Click() {
    services_.web->open(QUrl(AdStore::DownloadPage(AdStore::ReadServerBase())));
}

void frmPartner::imgFILE_Click() {
    openLink();
}

void frmPartner::imgFILE2_Click() {
    openLink();
}

void frmPartner::openLink() {
    const QString url = txtURL->text();
    if (AdStore::IsWebLink(url)) services_.web->open(QUrl(url, QUrl::TolerantMode));
}

void frmPartner::reportFailure(int number) {
    if (AdStore::IsPermissionError(number)) {
        picERROR->move(104, 8);
        picERROR->raise();
        picERROR->show();
        services_.boxes->information(this, BoxTitle, AdministratorText);
        return;
    }
    services_.boxes->plain(this, ProgramTitle,
                           GeneralErrorText + QString::number(number) + QStringLiteral(") ") +
                               AdStore::ErrorDescription(number));
}

void frmPartner::keyPressEvent(QKeyEvent* event) {
    // The window has no cancel button: Escape does not close it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmPartner::showEvent(QShowEvent* event) {
    // Centred on the screen once, frame included as far as it is known before the first showing.
    if (!placed_) {
        placed_ = true;
        const QRect area = screen()->availableGeometry();
        const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
        const QSize outer = size().grownBy(frame);
        // A window's position is that of its frame.
        move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
    }
    QDialog::showEvent(event);
}
