// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/ChooserWindow.h"
#include "platform/qt/WindowMirror.h"

#include "app/Form1.h"
#include "assets/Chooser.h"
#include "platform/qt/common/QtInput.h"

#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr double Twips = Element::TwipsPerPixel;

QRect pixels(int left, int top, int width, int height) {
    return QRect(qRound(left / Twips), qRound(top / Twips), qRound(width / Twips), qRound(height / Twips));
}

} // namespace

ChooserWindow::ChooserWindow(Form1& form, std::function<void()> changed)
    : form(form), changed(std::move(changed)), chooser(form.chooser.get()) {
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setModal(false);
    const int inner = Form3::Width - 2 * Form3::Margin;
    // The two title labels, the second a shade below and to the right of the first.
    shadow = new QLabel(this);
    shadow->setGeometry(pixels(Form3::Margin + 15, Form3::LabelTop + 15, inner, Form3::LabelHeight));
    title = new QLabel(this);
    title->setGeometry(pixels(Form3::Margin, Form3::LabelTop, inner, Form3::LabelHeight));
    for (QLabel* label : {shadow, title}) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        // A press on a label drags the window like one on the window itself.
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    shadow->setStyleSheet("color: #b0b0b0;");
    title->setStyleSheet("color: #303060;");
    list = new QListWidget(this);
    list->setGeometry(pixels(Form3::Margin, Form3::ListTop, inner, Form3::ListHeight));
    text = new QPlainTextEdit(this);
    text->setGeometry(pixels(Form3::Margin, Form3::TextTop, inner, Form3::TextHeight));
    text->setReadOnly(true);
    ok = new QPushButton(this);
    ok->setGeometry(pixels(Form3::Width - Form3::Margin - 2 * Form3::ButtonWidth - 120, Form3::ButtonTop,
                           Form3::ButtonWidth, Form3::ButtonHeight));
    ok->setDefault(true);
    cancel = new QPushButton(this);
    cancel->setGeometry(pixels(Form3::Width - Form3::Margin - Form3::ButtonWidth, Form3::ButtonTop,
                               Form3::ButtonWidth, Form3::ButtonHeight));

    connect(list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!syncing && row >= 0) run([row](Form3& c) { c.List1_Click(row); });
    });
    connect(list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const int row = list->row(item);
        run([row](Form3& c) { c.List1_DblClick(row); });
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        run([](Form3& c) {
            if (c.Command1Enabled) c.Command1_Click();
        });
    });
    connect(cancel, &QPushButton::clicked, this, [this] { run([](Form3& c) { c.Command2_Click(); }); });
    list->setFocus();
    WindowMirror::followScreens(*this);
}

Form3* ChooserWindow::current() const {
    Form3* now = form.chooser.get();
    return now == chooser && !form.unloaded ? now : nullptr;
}

void ChooserWindow::run(const std::function<void(Form3&)>& handler) {
    if (Form3* c = current()) handler(*c);
    // The handler may have closed the chooser: only the device is looked at afterwards.
    changed();
}

void ChooserWindow::reject() {
    run([](Form3& c) { c.Command2_Click(); });
}

void ChooserWindow::sync() {
    const Form3* c = current();
    if (!c) return;
    syncing = true;
    const WindowState& w = c->window;
    if ((w.topmost != topmost || !isVisible()) && !CompositorMove::compositorPlaces()) {
        topmost = w.topmost;
        setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    }
    const QRect geometry = pixels(w.left, w.top, w.width, w.height);
    if (WindowMirror::differs(*this, geometry)) setGeometry(geometry);
    const QString caption = QString::fromStdString(w.title);
    if (windowTitle() != caption) setWindowTitle(caption);
    title->setText(QString::fromStdString(c->lblDescription));
    shadow->setText(title->text());
    if (shownList != c->List1) {
        shownList = c->List1;
        list->clear();
        for (const std::string& name : shownList)
            list->addItem(QString::fromStdString(name));
    }
    if (list->currentRow() != c->ListIndex) list->setCurrentRow(c->ListIndex);
    const QString description = QString::fromStdString(c->Text1);
    if (text->toPlainText() != description) text->setPlainText(description);
    ok->setText(QString::fromStdString(c->Command1Caption));
    cancel->setText(QString::fromStdString(c->Command2Caption));
    ok->setEnabled(c->Command1Enabled);
    if (w.visible != isVisible()) setVisible(w.visible);
    syncing = false;
}

void ChooserWindow::paintEvent(QPaintEvent*) {
    // A plain panel with a frame line, since the window has no frame of its own.
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(palette().dark().color());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ChooserWindow::mousePressEvent(QMouseEvent* event) {
    if (faceDrag.press(*event)) return;
    const TwipsPoint at = twipsAt(*event);
    const int16_t button = mouseButtonCode(event->button());
    run([=](Form3& c) { c.DoFormMouseDown(button, at.x, at.y); });
}

void ChooserWindow::mouseMoveEvent(QMouseEvent* event) {
    if (faceDrag.holding()) return faceDrag.move(*this, *event);
    const TwipsPoint at = twipsAt(*event);
    const int16_t button = mouseButtonCode(event->buttons());
    run([=](Form3& c) { c.DoFormMouseMove(button, at.x, at.y); });
}

void ChooserWindow::mouseReleaseEvent(QMouseEvent* event) {
    const int16_t button = mouseButtonCode(event->button());
    if (faceDrag.click(*event)) {
        const TwipsPoint at = twipsAt(*event);
        run([=](Form3& c) { c.DoFormMouseDown(button, at.x, at.y); });
    }
    run([=](Form3& c) { c.DoFormMouseUp(button); });
}
