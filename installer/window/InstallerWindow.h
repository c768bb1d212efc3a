#pragma once

#include <QWidget>

#include <optional>

class QLabel;

namespace installer {

class DragIconView;
class Fader;
class InstallerModel;
class StateSymbol;
class TextButton;

// "Install Quelta": drag the app onto the folder (or press the folder), then open Quelta.
class InstallerWindow : public QWidget
{
    Q_OBJECT

public:
    enum class State { idle, working, failed, installed };

    explicit InstallerWindow(InstallerModel &model, QWidget *parent = nullptr);

    State state() const { return m_state; }
    DragIconView *appIcon() const { return m_appIcon; }
    DragIconView *folderIcon() const { return m_folderIcon; }
    // Centres the window on its screen's available area.
    void centre();

private:
    QWidget *makeHeader();
    QWidget *makeIconRow();
    QWidget *makeStatusArea();
    void apply();

    InstallerModel &m_model;
    State m_state = State::idle;
    std::optional<QString> m_shownError;
    QLabel *m_heading = nullptr;
    QLabel *m_subheading = nullptr;
    DragIconView *m_appIcon = nullptr;
    DragIconView *m_folderIcon = nullptr;
    StateSymbol *m_symbol = nullptr;
    QWidget *m_header = nullptr;
    QWidget *m_status = nullptr;
    QLabel *m_hint = nullptr;
    QWidget *m_progress = nullptr;
    QLabel *m_error = nullptr;
    TextButton *m_tryAgain = nullptr;
    TextButton *m_open = nullptr;
    Fader *m_headerFader = nullptr;
    Fader *m_statusFader = nullptr;
};

} // namespace installer
