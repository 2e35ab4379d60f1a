#include "host/qt/qt_host.h"

#include <QAction>
#include <QApplication>
#include <QAudioDevice>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMediaDevices>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QThread>
#include <QTime>
#include <iostream>

#include "host/qt/end_dialog.h"
#include "host/qt/help_window.h"
#include "host/qt/info_window.h"
#include "host/qt/options_dialog.h"
#include "host/qt/select_game_dialog.h"
#include "host/record/program_files.h"
#include "host/record/script_runtime.h"

namespace wm {

namespace {
QString latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
/// An installed copy's folders are usually read-only.
bool folderWritable(const QString& folder) {
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isDir() && info.isWritable();
}
QColor qcolour(Colour c) {
    return QColor(c.r, c.g, c.b);
}

/// "Saved positions|*.sav|All|*.*" as Qt's "Saved positions (*.sav);;All (*.*)".
QString qtFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) out << parts[i] + " (" + parts[i + 1] + ")";
    return out.join(";;");
}

/// The keys without a character of their own, as Qt and the game name them. Enter has a second Qt key.
constexpr std::pair<int, int> NamedKeys[] = {
    {Qt::Key_PageUp, KeyCode::PageUp}, {Qt::Key_PageDown, KeyCode::PageDown},
    {Qt::Key_End, KeyCode::End},       {Qt::Key_Home, KeyCode::Home},
    {Qt::Key_Left, KeyCode::Left},     {Qt::Key_Up, KeyCode::Up},
    {Qt::Key_Right, KeyCode::Right},   {Qt::Key_Down, KeyCode::Down},
    {Qt::Key_Escape, KeyCode::Escape}, {Qt::Key_Return, KeyCode::Enter},
    {Qt::Key_Enter, KeyCode::Enter},   {Qt::Key_Space, KeyCode::Space},
};

/// The virtual key code the game knows for a Qt key, or 0.
int virtualKey(int key) {
    for (const auto& [qt, code] : NamedKeys)
        if (qt == key) return code;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return KeyCode::F1 + (key - Qt::Key_F1);
    if (key >= 0x20 && key < 0x7f) return key;
    return 0;
}
} // namespace

ConsoleCanvas::ConsoleCanvas(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ConsoleCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image);
}

void ConsoleCanvas::mousePressEvent(QMouseEvent* event) {
    if (!events) return;
    const QPoint global = event->globalPosition().toPoint();
    events->FormMouseDown(event->button() == Qt::RightButton, static_cast<int>(event->position().x()),
                          static_cast<int>(event->position().y()), global.x(), global.y());
    if (owner) owner->wake();
}

void ConsoleCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (events && event->button() == Qt::LeftButton) events->FormClick();
    if (owner) owner->wake();
}

QtHost::QtHost() {
    setStyleSheet("QMainWindow { background: black; }");
    canvas_ = new ConsoleCanvas(this);
    canvas_->owner = this;
    setCentralWidget(canvas_);
    buildPanel();
    buildMenus();
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (events_) events_->Timer1Timer();
        wake();
    });
    setClientSize(800, 600);
}

QtHost::~QtHost() = default;

void QtHost::buildPanel() {
    panel_ = new QWidget(canvas_);
    panel_->setAutoFillBackground(true);
    panel_->setStyleSheet("background: #d4d0c8; color: black;");
    auto label = [&](Widget w, const char* text) {
        auto* l = new QLabel(text, panel_);
        labels_[w] = l;
        return l;
    };
    label(Widget::Label7, "")->hide();
    label(Widget::Label5, "Points gained:");
    label(Widget::Label6, "0");
    label(Widget::Label1, "Speed");
    label(Widget::Label2, "x 4");
    label(Widget::Label3, "Time is");
    label(Widget::Label4, "08.00");
    label(Widget::ScrTitle, "");
    labels_[Widget::Label6]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto button = [&](Widget w, const char* text, const char* component, QWidget* parent) {
        auto* b = new QPushButton(text, parent);
        b->setFocusPolicy(Qt::NoFocus);
        buttons_[w] = b;
        connect(b, &QPushButton::clicked, this, [this, component] {
            wake();
            if (events_) events_->ComponentClick(component);
        });
        return b;
    };
    button(Widget::Button1, " - ", "Button1", panel_);
    button(Widget::Button2, "+", "Button2", panel_);
    button(Widget::New, "Start New Game", "New", canvas_)->hide();
    button(Widget::Resume, "Resume Saved Game", "Resume", canvas_)->hide();
}

QAction* QtHost::addItem(QMenu* menu, const char* component, const QString& caption,
                         const QKeySequence& shortcut) {
    auto* action = menu->addAction(caption);
    action->setObjectName(component);
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [this, component] {
        wake();
        if (events_) events_->ComponentClick(component);
    });
    return action;
}

void QtHost::buildMenus() {
    QMenu* game = menuBar()->addMenu("&Game");
    actions_[Widget::Save1] = addItem(game, "Save1", "&Save", QKeySequence("Ctrl+S"));
    actions_[Widget::SaveAs1] = addItem(game, "SaveAs1", "Save &As", QKeySequence(Qt::Key_F12));
    actions_[Widget::Pause1] = addItem(game, "Pause1", "&Pause");
    actions_[Widget::Restart1] = addItem(game, "Restart1", "ReLoad", QKeySequence(Qt::Key_F3));
    actions_[Widget::Quit1] = addItem(game, "Quit1", "Quit");
    QAction* options = menuBar()->addAction("&Options");
    options->setObjectName("Options1");
    connect(options, &QAction::triggered, this, [this] {
        wake();
        if (events_) events_->ComponentClick("Options1");
    });
    actions_[Widget::Options1] = options;
    QMenu* help = menuBar()->addMenu("&Help");
    addItem(help, "Context", "Context", QKeySequence(Qt::Key_F1));
    addItem(help, "Intro1", "&Introduction");
    addItem(help, "Topics1", "&Topics");
    addItem(help, "Locos1", "&Locos");
    addItem(help, "Bonuses1", "&Bonuses");
    addItem(help, "About1", "&About");
    for (Widget w : {Widget::Save1, Widget::SaveAs1, Widget::Restart1, Widget::Options1})
        actions_[w]->setEnabled(false);

    popup_ = new QMenu(this);
    addItem(popup_, "Couple1", "Couple");
    addItem(popup_, "Uncouple1", "Uncouple");
    addItem(popup_, "Water1", "Water");
    addItem(popup_, "LocoInfo1", "Loco Info");
    addItem(popup_, "TrainInfo1", "Train Info");
    addItem(popup_, "Allocate1", "Assign");
}

int QtHost::qtKeyFor(int virtualKey) {
    for (const auto& [qt, code] : NamedKeys)
        if (code == virtualKey) return qt;
    if (virtualKey >= KeyCode::F1 && virtualKey <= KeyCode::F1 + 23)
        return Qt::Key_F1 + (virtualKey - KeyCode::F1);
    return virtualKey;
}

void QtHost::setEventHandler(WindowEvents* handler) {
    events_ = handler;
    canvas_->events = handler;
    if (script_) script_->setHandler(handler);
}

void QtHost::ensureActivated() {
    if (!activatedOnce_ && events_) {
        activatedOnce_ = true;
        events_->FormActivate();
    }
}

bool QtHost::event(QEvent* event) {
    // A script decides when the window is active; the platform's own notices would race it.
    if (events_ && !terminated_ && !script_) {
        if (event->type() == QEvent::WindowActivate) {
            activatedOnce_ = true;
            events_->FormActivate();
        } else if (event->type() == QEvent::WindowDeactivate && activatedOnce_) {
            events_->FormDeactivate();
        }
    }
    return QMainWindow::event(event);
}

void QtHost::closeEvent(QCloseEvent* event) {
    // Once the game has ended the program the window goes with it; before that the game decides.
    if (terminated_) {
        event->accept();
        return;
    }
    event->ignore();
    wake();
    if (events_ && events_->FormCloseQuery()) events_->FormClose();
}

void QtHost::hideEvent(QHideEvent* event) {
    if (events_) events_->FormHide();
    QMainWindow::hideEvent(event);
}

void QtHost::keyPressEvent(QKeyEvent* event) {
    if (!events_) return;
    wake();
    const bool modifier = event->modifiers() & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier);
    const int key = virtualKey(event->key());
    const QString text = event->text();
    // Keys with a character count as typed even with Shift held ("+").
    events_->FormKeyDown(key, modifier && text.isEmpty());
    if (!text.isEmpty()) {
        const QChar ch = text.at(0).toUpper();
        if (ch.unicode() < 256) events_->FormKeyPress(static_cast<char>(ch.unicode()));
    }
}

QFont QtHost::consoleFont(int pointSize) const {
    QFont font(fontFamily_.isEmpty() ? QString("TAVO") : fontFamily_, pointSize);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

TextExtent QtHost::measureText(std::string_view text, int pointSize) {
    if (fontId_ < 0) return {0, 0}; // the private font is not usable
    const QFontMetrics metrics(consoleFont(pointSize));
    return {metrics.horizontalAdvance(latin1(text)), metrics.height()};
}

void QtHost::setCanvasFont(int pointSize) {
    canvasFontSize_ = pointSize;
    canvasFont_ = consoleFont(pointSize);
    canvasMetrics_ = std::make_unique<QFontMetrics>(canvasFont_);
    cellHeight_ = canvasMetrics_->height() + 1;
    cellWidth_ = canvasMetrics_->horizontalAdvance(QStringLiteral("W"));
    grid_.setCellSize(cellWidth_, cellHeight_);
    infoGrid_.setCellSize(cellWidth_, cellHeight_);
}

void QtHost::paintText(QImage& image, int x, int y, std::string_view text, Colour textColour,
                       Colour background) {
    QPainter painter(&image);
    if (!canvasMetrics_) setCanvasFont(canvasFontSize_);
    painter.setFont(canvasFont_);
    const QFontMetrics& metrics = *canvasMetrics_;
    const QString s = latin1(text);
    // The font's own advance is fractional, so a string drawn whole drifts off the cells and its background
    // cuts into the next cell's track: each character goes in its own cell instead.
    const int width = static_cast<int>(s.size()) * cellWidth_;
    // Opaque over the text's own height, one pixel short of the cell, so clearing the message line (which
    // stops a pixel above the next row) leaves nothing of a coloured background behind.
    painter.fillRect(x, y, width, metrics.height(), qcolour(background));
    painter.setPen(qcolour(textColour));
    for (qsizetype i = 0; i < s.size(); ++i)
        if (s[i] != QChar(' '))
            painter.drawText(x + static_cast<int>(i) * cellWidth_, y + metrics.ascent(), QString(s[i]));
}

void QtHost::drawText(int x, int y, std::string_view text, Colour textColour, Colour background) {
    grid_.drawText(x, y, text, textColour, background);
    if (canvas_->image.isNull()) return;
    paintText(canvas_->image, x, y, text, textColour, background);
    canvas_->update(x, y, static_cast<int>(text.size()) * cellWidth_, cellHeight_);
}

void QtHost::fillRect(int x, int y, int width, int height, Colour colour) {
    grid_.fillRect(x, y, width, height, colour);
    if (canvas_->image.isNull()) return;
    QPainter painter(&canvas_->image);
    painter.fillRect(x, y, width, height, qcolour(colour));
    canvas_->update(x, y, width, height);
}

void QtHost::drawLine(int x1, int y1, int x2, int y2, Colour colour, int penWidth) {
    grid_.drawLine(x1, y1, x2, y2, colour, penWidth);
    if (canvas_->image.isNull()) return;
    QPainter painter(&canvas_->image);
    painter.setPen(QPen(qcolour(colour), penWidth));
    painter.drawLine(x1, y1, x2, y2);
    canvas_->update(QRect(QPoint(x1, y1), QPoint(x2, y2))
                        .normalized()
                        .adjusted(-penWidth, -penWidth, penWidth, penWidth));
}

void QtHost::showInfoWindow(const InfoWindowShape& shape) {
    if (!info_) {
        info_ = std::make_unique<InfoWindow>(this);
        info_->canvas()->pressed = [this](int x, int y) {
            wake();
            if (events_) events_->InfoMouseDown(x, y);
        };
        info_->closeRequested = [this] {
            wake();
            if (events_) events_->InfoClose();
        };
        info_->helpRequested = [this](int context) { openHelp(context); };
    }
    infoShape_ = shape;
    infoGrid_.setTopRows(0);
    infoGrid_.clear();
    info_->reveal(latin1(shape.caption), shape.clientWidth, shape.clientHeight, shape.left, shape.top,
                  shape.helpContext);
    // A script closes it as the player would: by its button.
    if (script_) script_->setInfoCloser([this] { info_->closeButton()->click(); });
}

void QtHost::hideInfoWindow() {
    if (script_) script_->setInfoCloser({});
    if (!info_) return;
    info_->hide();
    focusWindow();
}

void QtHost::drawInfoText(int x, int y, std::string_view text, Colour textColour, Colour background) {
    infoGrid_.drawText(x, y, text, textColour, background);
    if (!info_ || info_->canvas()->image.isNull()) return;
    paintText(info_->canvas()->image, x, y, text, textColour, background);
    info_->canvas()->update(x, y, static_cast<int>(text.size()) * cellWidth_, cellHeight_);
}

void QtHost::fillInfoRect(int x, int y, int width, int height, Colour colour) {
    infoGrid_.fillRect(x, y, width, height, colour);
    if (!info_ || info_->canvas()->image.isNull()) return;
    QPainter painter(&info_->canvas()->image);
    painter.fillRect(x, y, width, height, qcolour(colour));
    info_->canvas()->update(x, y, width, height);
}

std::string QtHost::infoDump() const {
    return infoGrid_.cellDump(infoShape_.rows, infoShape_.columns);
}

void QtHost::setClientSize(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    canvas_->image = image;
    canvas_->setFixedSize(width, height);
    setFixedSize(width, height + menuBar()->sizeHint().height());
    placeStartButtons();
    const ScreenSize screen = screenSize();
    move((screen.width - width) / 2, (screen.height - height) / 2);
    canvas_->update();
}

ScreenSize QtHost::screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {1024, 768};
    const QSize size = screen->size();
    return {size.width(), size.height()};
}

void QtHost::placeStartButtons() {
    if (cellHeight_ <= 0) return;
    const int width = canvas_->width();
    for (auto [w, row] : {std::pair{Widget::New, NewButtonRow}, std::pair{Widget::Resume, ResumeButtonRow}}) {
        QPushButton* b = buttons_[w];
        QFont font = b->font();
        font.setPointSize(std::max(9, canvasFontSize_));
        b->setFont(font);
        b->adjustSize();
        const int bw = std::max(b->width(), width / 4);
        const int bh = std::max(b->height(), 2 * cellHeight_ - 4);
        b->setGeometry((width - bw) / 2, 2 * cellHeight_ + (row - 1) * cellHeight_ - bh / 4, bw, bh);
    }
}

void QtHost::layoutTopPanel(int fontSize, int cellWidth, int cellHeight) {
    const int height = 2 * cellHeight;
    const int width = canvas_->width();
    panel_->setGeometry(0, 0, width, height);
    QFont small = font();
    small.setPointSize(std::max(4, fontSize - 2));
    QFont bold = font();
    bold.setPointSize(fontSize);
    bold.setBold(true);
    for (QLabel* l : labels_) l->setFont(small);
    labels_[Widget::Label4]->setFont(bold);
    labels_[Widget::Label7]->setFont(bold);
    labels_[Widget::ScrTitle]->setFont(bold);
    for (QPushButton* b : {buttons_[Widget::Button1], buttons_[Widget::Button2]}) {
        b->setFont(small);
        b->setFixedSize(std::max(20, 3 * cellWidth), std::max(12, height - 8));
    }
    auto fit = [&](QWidget* w) {
        w->adjustSize();
        w->move(w->x(), (height - w->height()) / 2);
    };
    for (QLabel* l : labels_) fit(l);
    for (QPushButton* b : {buttons_[Widget::Button1], buttons_[Widget::Button2]})
        b->move(b->x(), (height - b->height()) / 2);
    const QFontMetrics smallMetrics(small);
    const int left = 5;
    labels_[Widget::Label7]->move(left, labels_[Widget::Label7]->y());
    const int pointsX = left + QFontMetrics(bold).horizontalAdvance("Saturday") + cellWidth;
    labels_[Widget::Label5]->move(pointsX, labels_[Widget::Label5]->y());
    labels_[Widget::Label6]->setFixedWidth(smallMetrics.horizontalAdvance("0000"));
    labels_[Widget::Label6]->move(pointsX + smallMetrics.horizontalAdvance("Points gained: "),
                                  labels_[Widget::Label6]->y());
    const int middle = width / 2;
    QLabel* speed = labels_[Widget::Label1];
    speed->move(middle - speed->width(), speed->y());
    QPushButton* slower = buttons_[Widget::Button1];
    slower->move(speed->x() - cellWidth - slower->width(), slower->y());
    QLabel* rate = labels_[Widget::Label2];
    rate->setFixedWidth(smallMetrics.horizontalAdvance("Step 20"));
    rate->move(middle + 5, rate->y());
    QPushButton* faster = buttons_[Widget::Button2];
    faster->move(rate->x() + rate->width() + cellWidth, faster->y());
    QLabel* time = labels_[Widget::Label4];
    time->setFixedWidth(QFontMetrics(bold).horizontalAdvance("12p00 ...."));
    time->move(width - 5 - time->width(), time->y());
    QLabel* timeIs = labels_[Widget::Label3];
    timeIs->move(time->x() - timeIs->width() - cellWidth / 2, timeIs->y());
    QLabel* title = labels_[Widget::ScrTitle];
    title->move(faster->x() + faster->width() + 2 * cellWidth, title->y());
    cellHeight_ = cellHeight;
    placeStartButtons();
}

void QtHost::requestRepaint() {
    if (events_) events_->FormPaint();
    canvas_->update();
}

std::string QtHost::caption(Widget widget) const {
    QString text;
    if (labels_.contains(widget))
        text = labels_[widget]->text();
    else if (buttons_.contains(widget))
        text = buttons_[widget]->text();
    else if (actions_.contains(widget))
        text = actions_[widget]->text();
    return text.toLatin1().toStdString();
}

QWidget* QtHost::widgetFor(Widget widget) const {
    if (labels_.contains(widget)) return labels_[widget];
    if (buttons_.contains(widget)) return buttons_[widget];
    return nullptr;
}

void QtHost::setCaption(Widget widget, std::string_view caption) {
    if (labels_.contains(widget)) {
        labels_[widget]->setText(latin1(caption));
        if (widget != Widget::Label6 && widget != Widget::Label2 && widget != Widget::Label4)
            labels_[widget]->adjustSize();
    } else if (buttons_.contains(widget)) {
        buttons_[widget]->setText(latin1(caption));
    } else if (actions_.contains(widget)) {
        actions_[widget]->setText(latin1(caption));
    }
}

void QtHost::setVisible(Widget widget, bool visible) {
    if (QWidget* w = widgetFor(widget)) w->setVisible(visible);
    if (actions_.contains(widget)) actions_[widget]->setVisible(visible);
}

void QtHost::setEnabled(Widget widget, bool enabled) {
    if (QWidget* w = widgetFor(widget)) w->setEnabled(enabled);
    if (actions_.contains(widget)) actions_[widget]->setEnabled(enabled);
}

void QtHost::setWindowTitle(std::string_view caption, std::string_view applicationTitle) {
    // Not the application display name: the platform would append it to the caption.
    QMainWindow::setWindowTitle(fromUtf8(caption));
    applicationTitle_ = fromUtf8(applicationTitle);
}

void QtHost::focusWindow() {
    activateWindow();
    canvas_->setFocus();
}

void QtHost::popupActionMenu(int screenX, int screenY) {
    if (script_) {
        // The script's choice goes through the menu's own item, so a disabled one does nothing.
        if (const auto item = script_->popupActionMenu())
            if (QAction* chosen = action(*item); chosen && chosen->isEnabled()) chosen->trigger();
        return;
    }
    // Modal, so that the item chosen (or the dismissal) is known when this returns.
    popup_->exec(QPoint(screenX, screenY));
}

void QtHost::processEvents(bool waitingForPlayer) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (script_ && !terminated_) script_->processEvents(waitingForPlayer);
}

void QtHost::wake() {
    for (QEventLoop* wait : waits_) wait->quit();
}

void QtHost::sleepMs(int milliseconds) {
    if (script_) return script_->sleepMs(milliseconds);
    // Handles events while it waits and ends at the first input or timer event, so the game answers at
    // once instead of at the end of the sleep.
    QEventLoop wait;
    QTimer limit;
    limit.setSingleShot(true);
    connect(&limit, &QTimer::timeout, &wait, &QEventLoop::quit);
    limit.start(milliseconds);
    waits_.push_back(&wait);
    wait.exec();
    waits_.pop_back();
}

std::int64_t QtHost::timeOfDayMs() {
    if (script_) return script_->timeOfDayMs();
    return QTime::currentTime().msecsSinceStartOfDay();
}

void QtHost::setTimerInterval(int milliseconds) {
    if (script_) return script_->setTimerInterval(milliseconds);
    if (milliseconds <= 0)
        timer_.stop();
    else
        timer_.start(milliseconds);
}

void QtHost::terminate() {
    if (terminated_) return;
    terminated_ = true;
    timer_.stop();
    wake();
    // exit(), not quit(): quit asks every window to close first and gives up when one refuses.
    // Queued, so that it also ends an event loop that has not started yet.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
}

void QtHost::driveBy(ScriptRuntime* runtime) {
    script_ = runtime;
    if (script_) {
        timer_.stop();
        script_->setHandler(events_);
    }
}

QAction* QtHost::action(std::string_view component) const {
    const QString name = fromUtf8(component);
    for (QAction* a : findChildren<QAction*>())
        if (a->objectName() == name) return a;
    return nullptr;
}

std::string QtHost::screenDump() const {
    return grid_.screenDump(!buttons_[Widget::New]->isHidden(), !buttons_[Widget::Resume]->isHidden());
}

bool QtHost::savePicture(const std::string& path) {
    QPixmap shot = grab();
    if (info_ && info_->isVisible()) {
        // The information window stands at the right of the screen, partly beyond this one: the picture
        // takes in both on a plain desktop, the window under a title bar with its caption, as a window
        // manager would draw it.
        const QRect main = geometry();
        const QRect info = info_->geometry();
        const int titleHeight = QFontMetrics(font()).height() + 8;
        const QRect framed = info.adjusted(0, -titleHeight, 0, 0);
        const QRect both = main.united(framed);
        QPixmap desk(both.size());
        desk.fill(QColor(58, 110, 165));
        QPainter painter(&desk);
        painter.drawPixmap(main.topLeft() - both.topLeft(), shot);
        const QPoint infoAt = info.topLeft() - both.topLeft();
        painter.fillRect(QRect(infoAt.x(), infoAt.y() - titleHeight, info.width(), titleHeight),
                         QColor(0, 0, 128));
        painter.setPen(Qt::white);
        painter.drawText(QRect(infoAt.x() + 6, infoAt.y() - titleHeight, info.width() - 12, titleHeight),
                         Qt::AlignVCenter | Qt::AlignLeft, info_->windowTitle());
        painter.drawPixmap(infoAt, info_->grab());
        painter.end();
        shot = desk;
    }
    if (endDialog_ && endDialog_->isVisible()) {
        // The dialog is a window of its own, centred over this one.
        const QPixmap dialog = endDialog_->grab();
        QPainter painter(&shot);
        painter.drawPixmap((shot.width() - dialog.width()) / 2, (shot.height() - dialog.height()) / 2,
                           dialog);
    }
    return shot.save(QString::fromStdString(path), "PNG");
}

void QtHost::messageShown(std::string_view kind, std::string_view text) {
    if (script_) script_->messageShown(kind, text);
}

void QtHost::messageBox(BoxKind kind, std::string_view text, int helpContext) {
    if (script_) return script_->messageBox(kind, text, helpContext);
    const QString title = applicationTitle_;
    const QString body = latin1(text).replace("\r\n", "\n");
    switch (kind) {
    case BoxKind::Error:
        // Also on the error stream, so that a start from a terminal or a desktop menu keeps what went wrong
        // in its log even when nobody saw the box.
        std::cerr << body.toStdString() << std::endl;
        QMessageBox::critical(this, title, body);
        break;
    case BoxKind::Warning:
        QMessageBox::warning(this, title, body);
        break;
    case BoxKind::Information:
        QMessageBox::information(this, title, body);
        break;
    }
    focusWindow();
}

bool QtHost::askYesNo(std::string_view question) {
    if (script_) return script_->askYesNo(question);
    const bool yes =
        QMessageBox::question(this, applicationTitle_, latin1(question), QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::Yes) == QMessageBox::Yes;
    // The game waits while its window is inactive; without a window manager nothing would give focus back.
    focusWindow();
    return yes;
}

std::optional<std::string> QtHost::inputBox(std::string_view title, std::string_view prompt,
                                            std::string_view defaultText) {
    if (script_) return script_->inputBox(prompt, defaultText);
    bool ok = false;
    const QString text = QInputDialog::getText(this, latin1(title), latin1(prompt), QLineEdit::Normal,
                                               latin1(defaultText), &ok);
    focusWindow();
    if (!ok) return std::nullopt;
    return text.toLatin1().toStdString();
}

std::optional<std::string> QtHost::runFileDialog(const FileDialogOptions& options, bool save) {
    QFileDialog dialog(this, QString::fromStdString(options.title), QString::fromStdString(options.folder),
                       qtFilter(options.filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (options.mustExist) dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QString::fromStdString(options.defaultExt));
    dialog.selectFile(QString::fromStdString(options.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> QtHost::openFileDialog(const FileDialogOptions& options) {
    if (script_) return script_->openFileDialog(options);
    return runFileDialog(options, false);
}

std::optional<std::string> QtHost::saveFileDialog(const FileDialogOptions& options) {
    if (script_) return script_->saveFileDialog(options);
    return runFileDialog(options, true);
}

GameChoice QtHost::selectGameDialog(std::string_view simulationName) {
    if (script_) return script_->selectGameDialog();
    SelectGameDialog dialog(this, fromUtf8(simulationName));
    dialog.exec();
    return dialog.choice();
}

bool QtHost::optionsDialog(OptionValues& values) {
    if (script_) return script_->optionsDialog(values);
    OptionsDialog dialog(this, values);
    connect(&dialog, &OptionsDialog::helpRequested, this, [this](int context) { openHelp(context); });
    if (dialog.exec() != QDialog::Accepted) return false;
    values = dialog.values();
    return true;
}

void QtHost::endOfSessionDialog(std::string_view simulationName, std::string_view rating,
                                std::string_view pointScore, std::string_view perCent) {
    auto dialog = std::make_unique<EndDialog>(this, fromUtf8(simulationName), latin1(rating),
                                              latin1(pointScore), latin1(perCent));
    if (script_) {
        // The script answers it; what is recorded is what the dialog's own labels show.
        dialog->show();
        QCoreApplication::processEvents();
        script_->endOfSessionDialog(dialog->SimName->text().toLatin1().toStdString(),
                                    dialog->Rating->text().toLatin1().toStdString(),
                                    dialog->PointScore->text().toLatin1().toStdString(),
                                    dialog->PerCent->text().toLatin1().toStdString());
        endDialog_ = std::move(dialog);
        return;
    }
    dialog->exec();
    focusWindow();
}

void QtHost::playSound(std::string_view fileName, bool wait) {
    if (script_) return script_->playSound(fileName);
    // A missing file or no audio device plays nothing and says nothing.
    if (QMediaDevices::audioOutputs().isEmpty()) return;
    const std::string path = programFilesFolder() + std::string(fileName);
    if (!QFileInfo::exists(QString::fromStdString(path))) return;
    std::unique_ptr<QSoundEffect>& effect = sounds_[path];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
    }
    // A new cue replaces one still playing.
    if (playing_) playing_->stop();
    playing_ = effect.get();
    effect->play();
    if (!wait) return;
    // The cues last under two seconds; the limit only guards against a device that never finishes.
    constexpr int WaitLimitMs = 5000;
    QElapsedTimer elapsed;
    elapsed.start();
    while ((effect->status() == QSoundEffect::Loading || effect->isPlaying()) &&
           elapsed.elapsed() < WaitLimitMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(10);
    }
}

std::vector<std::string> QtHost::soundsPlaying() const {
    std::vector<std::string> names;
    for (const auto& [path, effect] : sounds_)
        if (effect->isPlaying() || (effect.get() == playing_ && effect->status() == QSoundEffect::Loading))
            names.push_back(path.substr(path.find_last_of('/') + 1));
    return names;
}

void QtHost::openHelp(int context) {
    if (script_) return script_->openHelp(context);
    if (!help_)
        help_ = std::make_unique<HelpWindow>(QString::fromStdString(programFilesFolder()) + "WM58.qch");
    help_->showContext(context);
}

bool QtHost::registerFont(const std::string& path) {
    fontId_ = QFontDatabase::addApplicationFont(QString::fromStdString(path));
    if (fontId_ < 0) return false;
    const QStringList families = QFontDatabase::applicationFontFamilies(fontId_);
    fontFamily_ = families.isEmpty() ? QString("TAVO") : families.first();
    return true;
}

void QtHost::unregisterFont() {
    if (fontId_ >= 0) QFontDatabase::removeApplicationFont(fontId_);
    fontId_ = -1;
}

std::string QtHost::executableFolder() {
    return (QCoreApplication::applicationDirPath() + "/").toStdString();
}

std::string QtHost::programFilesFolder() {
    return wm::programFilesFolder(executableFolder());
}

bool QtHost::installed() {
    return programFilesFolder() != executableFolder();
}

std::string QtHost::writableFolder(const std::string& folder) {
    // An installed copy never writes beside itself, even when run by root.
    if (!installed() && folderWritable(QString::fromStdString(folder))) return folder;
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(user);
    return (user + "/").toStdString();
}

std::string QtHost::executableDate() {
    if (script_) return script_->executableDate();
    const QFileInfo info(QCoreApplication::applicationFilePath());
    return info.lastModified().toString("dd/MM/yyyy").toStdString();
}

bool QtHost::fileExists(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).isFile();
}

void QtHost::setSettingsFolder(const std::string& folder) {
    QString chosen = QString::fromStdString(folder);
    // An install folder is often read-only; then the settings live in the user's configuration folder.
    if (installed() || !folderWritable(chosen))
        chosen = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (chosen == settingsFolder_ && settings_) return;
    if (settings_) settings_->sync();
    settingsFolder_ = chosen;
    QDir().mkpath(chosen);
    settings_ = std::make_unique<QSettings>(QDir(chosen).filePath("TAVO.INI"), QSettings::IniFormat);
}

QSettings& QtHost::settings() {
    if (!settings_) setSettingsFolder(executableFolder());
    return *settings_;
}

std::optional<std::string> QtHost::readSetting(std::string_view section, std::string_view key) {
    if (script_) return script_->readSetting(section, key);
    const QString name = fromUtf8(section) + "/" + fromUtf8(key);
    const QVariant value = settings().value(name);
    if (!value.isValid()) return std::nullopt;
    return value.toString().toStdString();
}

void QtHost::writeSetting(std::string_view section, std::string_view key, std::string_view value) {
    if (script_) return script_->writeSetting(section, key, value);
    settings().setValue(fromUtf8(section) + "/" + fromUtf8(key), fromUtf8(value));
}

bool QtHost::flushSettings() {
    if (script_) return true;
    settings().sync();
    return settings().status() == QSettings::NoError;
}

} // namespace wm
