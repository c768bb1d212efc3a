#pragma once

#include <QWidget>

#include <optional>

namespace quelta {

class ContentView;

// The popover's new height for content `reportedHeight` tall while it is `currentHeight`: the
// whole points above, and nothing when that differs by less than one point or is no height.
std::optional<int> popoverHeightFor(qreal reportedHeight, int currentHeight);

// The tallest the popover may be on a screen whose free area is `available`: a gap short of it.
int popoverHeightLimit(const QRect &available);

// Where the popover goes: centred under (or over, for a panel at the bottom) the tray icon, or
// beside the pointer when the tray gives no geometry, or where a panel menu opens (top right)
// when the pointer's position is not known either; always inside `available`, a gap from its edges.
QPoint popoverPosition(const QSize &size, const QRect &anchor, const std::optional<QPoint> &pointer, const QRect &available);

// The popover: a frameless popup that closes on an outside click, on Escape and when it loses
// the focus, or, with no tray at all, a small ordinary window titled "Quelta" that hides when
// closed.
class PopoverWindow final : public QWidget
{
    Q_OBJECT
public:
    enum class Mode { popup, window };

    PopoverWindow(ContentView *content, Mode mode, QWidget *parent = nullptr);

    Mode mode() const { return m_mode; }
    ContentView *content() const { return m_content; }
    void showAt(const QRect &anchor, const std::optional<QPoint> &pointer);

Q_SIGNALS:
    void closed();
    // A press outside the popup, which closes it; the press itself goes nowhere else.
    void pressedOutside(const QPoint &globalPosition, Qt::MouseButton button);
    // The first frame after showing has been painted.
    void painted();

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void applyContentHeight(qreal height);
    void onFocusWindowChanged(QWindow *window);

    ContentView *m_content;
    Mode m_mode;
    // Focus may reach the popup a moment after it shows: only a focus it had can be lost.
    bool m_hadFocus = false;
};

} // namespace quelta
