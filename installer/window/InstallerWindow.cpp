#include "InstallerWindow.h"

#include "DragIconView.h"
#include "Fader.h"
#include "InstallerModel.h"
#include "InstallerStyle.h"
#include "ProgressIndicator.h"
#include "StateSymbol.h"
#include "TextButton.h"
#include "engine/InstallQuelta.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace installer {

namespace {

QLabel *makeLabel(const QString &text, const QFont &font, const QColor &color, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    return label;
}

QWidget *iconColumn(DragIconView *icon, const QString &caption, QWidget *parent)
{
    auto *column = new QWidget(parent);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(icon, 0, Qt::AlignHCenter);
    layout->addWidget(makeLabel(caption, style::textFont(13), style::white(0.8), column));
    return column;
}

InstallerWindow::State stateOf(const InstallerModel &model)
{
    if (model.working())
        return InstallerWindow::State::working;
    if (model.installed())
        return InstallerWindow::State::installed;
    return model.error() ? InstallerWindow::State::failed : InstallerWindow::State::idle;
}

QIcon folderImage()
{
    return QIcon::fromTheme(QStringLiteral("folder"), QIcon(QStringLiteral(":/installer/artwork/folder.svg")));
}

} // namespace

InstallerWindow::InstallerWindow(InstallerModel &model, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
{
    setWindowTitle(InstallQuelta::tr("Install Quelta"));
    setWindowIcon(QIcon(QStringLiteral(":/installer/app.quelta.Quelta.svg")));
    resize(style::windowWidth, style::windowHeight);
    setMinimumSize(style::minimumWidth, style::minimumHeight);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);

    auto *quit = new QAction(InstallQuelta::tr("Quit Install Quelta"), this);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setShortcutContext(Qt::ApplicationShortcut);
    connect(quit, &QAction::triggered, qApp, &QApplication::quit);
    addAction(quit);

    auto *content = new QWidget(this);
    content->setFixedWidth(style::contentWidth);
    auto *column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(makeHeader());
    column->addSpacing(40);
    column->addWidget(makeIconRow());
    column->addSpacing(32);
    column->addWidget(makeStatusArea());

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(style::padding, style::padding, style::padding, style::padding);
    outer->addStretch(1);
    outer->addWidget(content, 0, Qt::AlignHCenter);
    outer->addStretch(1);

    m_headerFader = new Fader(m_header);
    m_statusFader = new Fader(m_status);
    connect(&m_model, &InstallerModel::changed, this, &InstallerWindow::apply);
    apply();
    m_folderIcon->setFocus();
}

QWidget *InstallerWindow::makeHeader()
{
    m_header = new QWidget(this);
    auto *layout = new QVBoxLayout(m_header);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    m_heading = makeLabel(QString(), style::headingFont(), Qt::white, m_header);
    m_subheading = makeLabel(QString(), style::textFont(14), style::white(style::subheadingOpacity), m_header);
    m_subheading->setWordWrap(true);
    layout->addWidget(m_heading);
    layout->addWidget(m_subheading);
    return m_header;
}

QWidget *InstallerWindow::makeIconRow()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(28);
    m_appIcon = new DragIconView(QIcon(QStringLiteral(":/installer/app.quelta.Quelta.svg")), DragIconView::Role::source, &m_model, row);
    m_folderIcon = new DragIconView(folderImage(), DragIconView::Role::target, &m_model, row);
    m_symbol = new StateSymbol(row);
    layout->addStretch(1);
    layout->addWidget(iconColumn(m_appIcon, QStringLiteral("Quelta"), row));
    layout->addWidget(m_symbol, 0, Qt::AlignTop);
    layout->addWidget(iconColumn(m_folderIcon, InstallQuelta::tr("Applications"), row));
    layout->addStretch(1);
    return row;
}

QWidget *InstallerWindow::makeStatusArea()
{
    m_status = new QWidget(this);
    // Fixed, so that no state moves the icons.
    m_status->setFixedHeight(84);
    auto *layout = new QVBoxLayout(m_status);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);

    m_hint = makeLabel(InstallQuelta::tr("Or click Applications to install."), style::textFont(13), style::white(style::subheadingOpacity), m_status);

    m_progress = new QWidget(m_status);
    auto *progressRow = new QHBoxLayout(m_progress);
    progressRow->setContentsMargins(0, 0, 0, 0);
    progressRow->setSpacing(8);
    progressRow->addStretch(1);
    progressRow->addWidget(new ProgressIndicator(m_progress));
    progressRow->addWidget(makeLabel(InstallQuelta::tr("Installing Quelta…"), style::textFont(13), style::white(style::subheadingOpacity), m_progress));
    progressRow->addStretch(1);

    m_error = makeLabel(QString(), style::textFont(13), style::errorColor(), m_status);
    m_error->setWordWrap(true);
    m_tryAgain = new TextButton(InstallQuelta::tr("Try again"), TextButton::Kind::link, m_status);
    connect(m_tryAgain, &QAbstractButton::clicked, &m_model, &InstallerModel::install);
    m_open = new TextButton(InstallQuelta::tr("Open Quelta"), TextButton::Kind::capsule, m_status);
    connect(m_open, &QAbstractButton::clicked, &m_model, &InstallerModel::openQuelta);

    layout->addWidget(m_hint);
    layout->addWidget(m_progress);
    layout->addWidget(m_error);
    layout->addWidget(m_tryAgain, 0, Qt::AlignHCenter);
    layout->addWidget(m_open, 0, Qt::AlignHCenter);
    layout->addStretch(1);
    return m_status;
}

void InstallerWindow::apply()
{
    const State state = stateOf(m_model);
    const bool installed = state == State::installed;
    const bool enabled = m_model.iconsEnabled();
    m_appIcon->setEnabled(enabled);
    m_folderIcon->setEnabled(enabled);
    m_folderIcon->update();

    const QString heading = installed ? InstallQuelta::tr("You’re all set") : InstallQuelta::tr("Install Quelta");
    const QString subheading = installed ? InstallQuelta::tr("Quelta is ready in Applications.") : InstallQuelta::tr("Drag Quelta into Applications to get started.");
    const bool headerChanged = m_heading->text() != heading;
    m_heading->setText(heading);
    m_subheading->setText(subheading);
    m_symbol->setDone(installed);

    m_hint->setVisible(state == State::idle);
    m_progress->setVisible(state == State::working);
    m_error->setVisible(m_model.error().has_value() && state != State::working);
    m_error->setText(m_model.error().value_or(QString()));
    m_tryAgain->setVisible(state == State::failed);
    m_open->setVisible(installed);

    const bool stateChanged = state != m_state || m_model.error() != m_shownError;
    m_state = state;
    m_shownError = m_model.error();
    if (headerChanged && isVisible())
        m_headerFader->play();
    if (stateChanged && isVisible())
        m_statusFader->play();
    if (installed)
        m_open->setFocus();
}

void InstallerWindow::centre()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

} // namespace installer
