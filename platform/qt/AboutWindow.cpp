// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/AboutWindow.h"
#include "platform/qt/WindowMirror.h"

#include "app/Form1.h"
#include "platform/qt/common/QtInput.h"
#include "platform/qt/common/QtPicture.h"
#include "shell/About.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr double Twips = Element::TwipsPerPixel;

QString colourSheet(int rgb) {
    return QStringLiteral("color: #%1;").arg(rgb, 6, 16, QLatin1Char('0'));
}

// The label would scale a picture to the screen smoothly, blurring its pixels: it gets one
// already at the screen's scale, each pixel repeated.
QPixmap crisp(const QImage& image, qreal ratio) {
    QPixmap pixmap =
        QPixmap::fromImage(image.scaled(image.size() * ratio, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

AboutWindow::AboutWindow(Form1& form, std::function<void()> changed)
    : form(form), changed(std::move(changed)), about(form.about.get()) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setAutoFillBackground(true);
    // The layout, in pixels: the picture in its sunken frame on the left, the title, author,
    // links and notice beside it, the framed text box below and OK at the bottom right.
    auto* pictureFrame = new QFrame(this);
    pictureFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pictureFrame->setGeometry(10, 10, 151, 203);
    picture = new QLabel(pictureFrame);
    picture->setGeometry(3, 3, 145, 197);
    title = new QLabel(this);
    title->setGeometry(176, 14, 256, 20);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    title->setFont(bold);
    author = new QLabel(this);
    author->setGeometry(176, 42, 256, 18);
    email = new QLabel(this);
    email->setGeometry(176, 64, 256, 18);
    homepage = new QLabel(this);
    homepage->setGeometry(176, 86, 256, 18);
    for (QLabel* link : {email, homepage}) {
        QFont underlined = link->font();
        underlined.setUnderline(true);
        link->setFont(underlined);
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
    }
    description = new QLabel(this);
    description->setGeometry(176, 116, 256, 90);
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    frame = new QGroupBox(this);
    frame->setGeometry(10, 222, 420, 116);
    text = new QPlainTextEdit(frame);
    text->setGeometry(8, 20, 404, 88);
    text->setReadOnly(true);
    ok = new QPushButton(this);
    ok->setGeometry(340, 346, 90, 26);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (current()) this->form.closeAbout();
        this->changed();
    });
    for (QWidget* surfaceWidget :
         std::initializer_list<QWidget*>{pictureFrame, picture, title, author, description, frame})
        surfaceWidget->installEventFilter(this);
    WindowMirror::followScreens(*this);
}

Form2* AboutWindow::current() const {
    Form2* now = form.about.get();
    return now == about && !form.unloaded ? now : nullptr;
}

void AboutWindow::sync() {
    const Form2* a = current();
    if (!a) return;
    const WindowState& w = a->window;
    const auto set = [](QLabel* label, const std::string& value) {
        if (label->text() != QString::fromStdString(value)) label->setText(QString::fromStdString(value));
    };
    set(title, a->Label1);
    set(author, a->Label2);
    set(email, a->Email);
    set(homepage, a->Homepage);
    set(description, a->lblDescription);
    email->setStyleSheet(colourSheet(a->EmailColor));
    homepage->setStyleSheet(colourSheet(a->HomepageColor));
    if (frame->title() != QString::fromStdString(a->Frame1))
        frame->setTitle(QString::fromStdString(a->Frame1));
    if (text->toPlainText() != QString::fromStdString(a->Text2))
        text->setPlainText(QString::fromStdString(a->Text2));
    if (ok->text() != QString::fromStdString(a->cmdOK)) ok->setText(QString::fromStdString(a->cmdOK));
    const auto* image = dynamic_cast<const QtPicture*>(a->AboutPicture.picture.get());
    if (image != shownPicture || devicePixelRatioF() != shownRatio) {
        shownPicture = image;
        shownRatio = devicePixelRatioF();
        picture->setPixmap(image ? crisp(image->image, shownRatio) : QPixmap());
    }
    // Shown last, so that the window appears with its texts and picture in place.
    WindowMirror::dialog(*this, w, topmost, *ok);
}

void AboutWindow::surface(QEvent::Type type, const QMouseEvent* event, const QWidget* from) {
    Form2* a = current();
    if (!a) return;
    // The surfaces all move with the window, so the window's own coordinates serve for each.
    const QPointF at = from->mapTo(this, event->position().toPoint());
    const auto x = static_cast<float>(at.x() * Twips);
    const auto y = static_cast<float>(at.y() * Twips);
    if (type == QEvent::MouseButtonPress) {
        if (faceDrag.press(*event)) return;
        a->surfaceMouseDown(mouseButtonCode(event->button()), x, y);
    } else if (type == QEvent::MouseMove) {
        if (faceDrag.holding()) return faceDrag.move(*this, *event);
        a->surfaceMouseMove(mouseButtonCode(event->buttons()), x, y);
    } else {
        if (faceDrag.click(*event)) a->surfaceMouseDown(mouseButtonCode(event->button()), x, y);
        a->surfaceMouseUp(mouseButtonCode(event->button()));
    }
    changed();
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    Form2* a = current();
    if (!a) return true;
    if (watched == email || watched == homepage) {
        const bool isEmail = watched == email;
        const int16_t button = mouseButtonCode(mouse->button());
        if (type == QEvent::MouseButtonPress)
            isEmail ? a->Email_MouseDown(button) : a->Homepage_MouseDown(button);
        else if (type == QEvent::MouseButtonRelease)
            isEmail ? a->Email_MouseUp(button) : a->Homepage_MouseUp(button);
        changed();
        return true;
    }
    surface(type, mouse, static_cast<QWidget*>(watched));
    return true;
}

void AboutWindow::mousePressEvent(QMouseEvent* event) {
    surface(QEvent::MouseButtonPress, event, this);
}
void AboutWindow::mouseMoveEvent(QMouseEvent* event) {
    surface(QEvent::MouseMove, event, this);
}
void AboutWindow::mouseReleaseEvent(QMouseEvent* event) {
    surface(QEvent::MouseButtonRelease, event, this);
}

void AboutWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (current()) form.closeAbout();
    changed();
}
