// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/ListingView.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace {

// The space between the frame and the text, as a plain text editor leaves it.
constexpr int kMargin = 4;
constexpr size_t kCacheLines = 512;

QString toQString(const std::string& s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

ListingView::ListingView(QWidget* parent) : QAbstractScrollArea(parent)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::black);
    colours.setColor(QPalette::Text, QColor(215, 228, 242));
    setPalette(colours);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setCursor(Qt::IBeamCursor);
    setFocusPolicy(Qt::StrongFocus);
    verticalScrollBar()->setSingleStep(1);
    setLines(std::make_shared<TextLines>(""));
}

void ListingView::setLines(std::shared_ptr<const LineSource> lines)
{
    lines_ = lines ? std::move(lines) : std::make_shared<TextLines>("");
    cache_.clear();
    anchor_ = cursor_ = {};
    widest_ = 0;
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    updateScrollBars();
    viewport()->update();
}

void ListingView::setPlainText(const QString& text)
{
    setLines(std::make_shared<TextLines>(text.toStdString()));
}

QString ListingView::toPlainText() const
{
    return toQString(wholeText(*lines_, "\n"));
}

int ListingView::blockCount() const
{
    return static_cast<int>(std::min<int64_t>(lineCount(), INT32_MAX));
}

QString ListingView::selectedText() const
{
    const Position begin = std::min(anchor_, cursor_);
    const Position end = std::max(anchor_, cursor_);
    if (begin == end) return {};
    if (begin.line == end.line)
        return lineText(begin.line).mid(begin.column, end.column - begin.column);
    // The lines between the ends are made a piece at a time and converted as they come, so a
    // whole listing never exists in both encodings at once.
    constexpr int64_t kPieceLines = 1024;
    QString text = lineText(begin.line).mid(begin.column);
    text += QLatin1Char('\n');
    std::string piece;
    for (int64_t first = begin.line + 1; first < end.line; first += kPieceLines) {
        piece.clear();
        appendLines(*lines_, size_t(first), size_t(std::min(end.line, first + kPieceLines)), "\n",
                    piece);
        text += toQString(piece);
    }
    text += lineText(end.line).left(end.column);
    return text;
}

void ListingView::selectAll()
{
    const int64_t last = lineCount() - 1;
    anchor_ = {};
    cursor_ = {last, static_cast<int>(lineText(last).size())};
    viewport()->update();
}

void ListingView::copy()
{
    if (hasSelection()) QApplication::clipboard()->setText(selectedText());
}

QMenu* ListingView::createContextMenu()
{
    auto* menu = new QMenu(this);
    QAction* copyAction = menu->addAction(
        QCoreApplication::translate("QWidgetTextControl", "&Copy"), this, &ListingView::copy);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setEnabled(hasSelection());
    menu->addSeparator();
    QAction* all = menu->addAction(QCoreApplication::translate("QWidgetTextControl", "Select All"),
                                   this, &ListingView::selectAll);
    all->setShortcut(QKeySequence::SelectAll);
    return menu;
}

void ListingView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

int64_t ListingView::firstVisibleLine() const
{
    return verticalScrollBar()->value();
}

int64_t ListingView::lineCount() const
{
    return static_cast<int64_t>(lines_->lineCount());
}

QString ListingView::lineText(int64_t line) const
{
    const auto found = cache_.find(line);
    if (found != cache_.end()) return found->second;
    if (cache_.size() >= kCacheLines) cache_.clear();
    std::string text;
    lines_->appendLine(size_t(line), text);
    return cache_.emplace(line, toQString(text)).first->second;
}

int ListingView::lineHeight() const
{
    return std::max(1, fontMetrics().lineSpacing());
}

int ListingView::visibleLines() const
{
    return std::max(1, (viewport()->height() - kMargin) / lineHeight());
}

int ListingView::columnAt(const QString& text, int x) const
{
    // The column whose left edge is nearest to x: advances grow with the column.
    const QFontMetrics metrics = fontMetrics();
    int low = 0;
    int high = static_cast<int>(text.size());
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (metrics.horizontalAdvance(text.left(mid)) <= x)
            low = mid;
        else
            high = mid - 1;
    }
    if (low < text.size()) {
        const int left = metrics.horizontalAdvance(text.left(low));
        const int right = metrics.horizontalAdvance(text.left(low + 1));
        if (x - left > right - x) ++low;
    }
    return low;
}

ListingView::Position ListingView::positionAt(const QPoint& point) const
{
    const int64_t row = point.y() < kMargin ? -1 : (point.y() - kMargin) / lineHeight();
    const int64_t line = std::clamp<int64_t>(firstVisibleLine() + row, 0, lineCount() - 1);
    const int x = point.x() - kMargin + horizontalScrollBar()->value();
    return {line, x <= 0 ? 0 : columnAt(lineText(line), x)};
}

void ListingView::moveCursor(Position to, bool extend)
{
    to.line = std::clamp<int64_t>(to.line, 0, lineCount() - 1);
    to.column = std::clamp(to.column, 0, static_cast<int>(lineText(to.line).size()));
    cursor_ = to;
    if (!extend) anchor_ = to;
    ensureCursorVisible();
    viewport()->update();
}

void ListingView::ensureCursorVisible()
{
    QScrollBar* v = verticalScrollBar();
    if (cursor_.line < v->value())
        v->setValue(static_cast<int>(cursor_.line));
    else if (cursor_.line >= v->value() + visibleLines())
        v->setValue(static_cast<int>(cursor_.line - visibleLines() + 1));
    QScrollBar* h = horizontalScrollBar();
    const int x = fontMetrics().horizontalAdvance(lineText(cursor_.line).left(cursor_.column));
    const int width = viewport()->width() - 2 * kMargin;
    if (x < h->value())
        h->setValue(x);
    else if (x > h->value() + width)
        h->setValue(x - width);
}

void ListingView::updateScrollBars()
{
    const int64_t count = lineCount();
    const int shown = visibleLines();
    QScrollBar* v = verticalScrollBar();
    v->setRange(0, static_cast<int>(std::max<int64_t>(0, count - shown)));
    v->setPageStep(shown);
    // Lines are measured as they come into view: a listing's lines are alike, so the range is
    // right from the first screen on.
    const QFontMetrics metrics = fontMetrics();
    const int64_t first = v->value();
    for (int64_t i = first; i < std::min(count, first + shown + 1); ++i)
        widest_ = std::max(widest_, metrics.horizontalAdvance(lineText(i)));
    QScrollBar* h = horizontalScrollBar();
    h->setRange(0, std::max(0, widest_ + 2 * kMargin - viewport()->width()));
    h->setPageStep(viewport()->width());
    h->setSingleStep(std::max(1, metrics.averageCharWidth() * 2));
}

void ListingView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.setFont(font());
    const QFontMetrics metrics = fontMetrics();
    const QPalette& colours = palette();
    const int height = lineHeight();
    const int left = kMargin - horizontalScrollBar()->value();
    const Position begin = std::min(anchor_, cursor_);
    const Position end = std::max(anchor_, cursor_);
    const int64_t first = firstVisibleLine();
    const int64_t last = std::min(lineCount(), first + viewport()->height() / height + 2);
    for (int64_t i = first; i < last; ++i) {
        const QString text = lineText(i);
        const int top = kMargin + static_cast<int>(i - first) * height;
        painter.setPen(colours.color(QPalette::Text));
        painter.drawText(left, top + metrics.ascent(), text);
        if (i < begin.line || i > end.line || begin == end) continue;
        // The selected part: highlight colours over it; a selected line end shows as a space.
        const int from = i == begin.line ? begin.column : 0;
        const int to = i == end.line ? end.column : static_cast<int>(text.size());
        const int x0 = left + metrics.horizontalAdvance(text.left(from));
        int x1 = left + metrics.horizontalAdvance(text.left(to));
        if (i != end.line) x1 += metrics.horizontalAdvance(QLatin1Char(' '));
        const QRect band(x0, top, x1 - x0, height);
        painter.fillRect(band, colours.color(QPalette::Highlight));
        painter.save();
        painter.setClipRect(band);
        painter.setPen(colours.color(QPalette::HighlightedText));
        painter.drawText(left, top + metrics.ascent(), text);
        painter.restore();
    }
}

void ListingView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void ListingView::scrollContentsBy(int, int dy)
{
    if (dy != 0) updateScrollBars();
    viewport()->update();
}

void ListingView::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        widest_ = 0;
        updateScrollBars();
    }
}

void ListingView::keyPressEvent(QKeyEvent* event)
{
    if (event == QKeySequence::SelectAll) {
        selectAll();
        return;
    }
    if (event == QKeySequence::Copy) {
        copy();
        return;
    }
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    const bool whole = event->modifiers() & Qt::ControlModifier;
    Position to = cursor_;
    switch (event->key()) {
    case Qt::Key_Up:
        --to.line;
        break;
    case Qt::Key_Down:
        ++to.line;
        break;
    case Qt::Key_PageUp:
        to.line -= visibleLines();
        break;
    case Qt::Key_PageDown:
        to.line += visibleLines();
        break;
    case Qt::Key_Home:
        if (whole) to.line = 0;
        to.column = 0;
        break;
    case Qt::Key_End:
        if (whole) to.line = lineCount() - 1;
        to.column = INT32_MAX; // clamped to the line's end
        break;
    case Qt::Key_Left:
        if (to.column > 0)
            --to.column;
        else if (to.line > 0)
            to = {to.line - 1, INT32_MAX};
        break;
    case Qt::Key_Right:
        if (to.column < lineText(to.line).size())
            ++to.column;
        else if (to.line + 1 < lineCount())
            to = {to.line + 1, 0};
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    moveCursor(to, extend);
}

void ListingView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    moveCursor(positionAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
}

void ListingView::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton)) return;
    // Dragging past an edge scrolls, through moveCursor keeping the cursor in view.
    moveCursor(positionAt(event->position().toPoint()), true);
}

void ListingView::mouseReleaseEvent(QMouseEvent* event)
{
    // The selection was made while pressed and moving; the release only ends the drag.
    event->setAccepted(event->button() == Qt::LeftButton);
}
