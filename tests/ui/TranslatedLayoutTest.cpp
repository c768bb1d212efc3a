#include "MonitorTestSupport.h"
#include "RecordingNotificationCenter.h"
#include "TestFixture.h"

#include "alerts/UsageNotificationManager.h"
#include "analytics/AnalyticsManager.h"
#include "commands/ProviderConnection.h"
#include "core/AllowanceStore.h"
#include "core/ProviderConnectorError.h"
#include "history/HistoryRecorder.h"
#include "platform/LoginItem.h"
#include "ui/FontRegistry.h"
#include "ui/onboarding/OnboardingFlow.h"
#include "ui/onboarding/OnboardingWindow.h"
#include "ui/popover/ContentView.h"
#include "ui/popover/PopoverWindow.h"
#include "ui/popover/RowScrollArea.h"
#include "ui/settings/SettingsView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QTextBoundaryFinder>
#include <QTranslator>

#include <algorithm>
#include <memory>

using namespace quelta;

namespace {

// The widest run of a text that no line may break: a word, or in Japanese, Chinese and Korean a
// character or two.
int widestUnbreakable(const QString &text, const QFontMetrics &metrics)
{
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    int widest = 0;
    for (qsizetype from = 0, to; (to = breaks.toNextBoundary()) > 0; from = to)
        widest = std::max(widest, metrics.horizontalAdvance(text.mid(from, to - from).trimmed()));
    return widest;
}

// Every text a widget shows that its box cannot hold: a line wider than a label that does not
// wrap, a wrapped text taller than its label, a word wider than its line, a button narrower than
// its text needs, or a label its window cuts off.
QStringList clippedTexts(const QWidget &window)
{
    QStringList clipped;
    const QRect windowRect = window.rect();
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(&window) || widget->width() <= 0)
            continue;
        const QRect placed(widget->mapTo(&window, QPoint(0, 0)), widget->size());
        if (const auto *label = qobject_cast<const QLabel *>(widget); label && !label->text().isEmpty() && label->textFormat() != Qt::RichText) {
            const QFontMetrics metrics(label->font());
            const int width = label->contentsRect().width();
            const QString text = label->text();
            bool fits = true;
            // Some labels wrap by painting, not by QLabel's word wrap: they say so by their height.
            if (label->wordWrap() || label->hasHeightForWidth()) {
                fits = label->heightForWidth(label->width()) <= label->height() && widestUnbreakable(text, metrics) <= width;
            } else {
                for (const QString &line : text.split(QLatin1Char('\n')))
                    fits = fits && metrics.horizontalAdvance(line) <= width;
            }
            if (!fits || !windowRect.contains(placed))
                clipped << QStringLiteral("label “%1”: %2×%3 px").arg(text).arg(label->width()).arg(label->height());
            continue;
        }
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget); button && !button->text().isEmpty()) {
            if (button->width() < button->sizeHint().width() || !windowRect.contains(placed))
                clipped << QStringLiteral("button “%1”: %2 of %3 px").arg(button->text()).arg(button->width()).arg(button->sizeHint().width());
        }
    }
    return clipped;
}

} // namespace

// The views in each language Quelta speaks, checked for text they cut: German and Russian run
// long, Japanese, Chinese and Korean need another font.
class TranslatedLayoutTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTranslator> m_translator;
    std::unique_ptr<test::Fixture> m_fixture;
    std::unique_ptr<test::ScriptedLoads> m_loads;
    std::unique_ptr<AllowanceMonitor> m_monitor;

    void speak(const QString &language)
    {
        QLocale::setDefault(QLocale(language));
        m_translator = std::make_unique<QTranslator>();
        QVERIFY(m_translator->load(QStringLiteral(":/i18n/quelta_%1.qm").arg(language)));
        QCoreApplication::installTranslator(m_translator.get());
    }

    void startMonitor(const AccountSet &authorized)
    {
        allowanceStore::saveAuthorizedProviders(m_fixture->store, authorized);
        m_monitor = std::make_unique<AllowanceMonitor>(m_fixture->store, m_fixture->clock,
                                                       AllowanceMonitor::Dependencies{.connectors = m_loads->loader(), .isSubstituteLoader = true});
        m_monitor->refresh(false);
        QTRY_VERIFY(!m_monitor->isRefreshing());
    }

    void answerAll(ConnectionState state)
    {
        for (ProviderID id : displayOrder) {
            m_loads->answers.insert(id, [id, state] {
                if (state == ConnectionState::connected)
                    return test::connectedAllowance(id, 8);
                return ProviderAllowance::failure(id, QStringLiteral("Requires connection"), state);
            });
        }
    }

    // Once the views have settled: buttons and rows ease to their new sizes.
    static void verifyNothingClipped(const QWidget &window)
    {
        QTRY_VERIFY2(clippedTexts(window).isEmpty(), qPrintable(clippedTexts(window).join(QLatin1String("; "))));
    }

private Q_SLOTS:
    void initTestCase()
    {
        registerFonts(QString::fromUtf8(QUELTA_FONT_DIRECTORY));
        QApplication::setFont(QFont(QStringLiteral("Geist")));
    }

    void init()
    {
        m_fixture = std::make_unique<test::Fixture>();
        m_loads = std::make_unique<test::ScriptedLoads>();
    }

    void cleanup()
    {
        m_monitor.reset();
        m_loads.reset();
        m_fixture.reset();
        QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
        QLocale::setDefault(QLocale::c());
    }

    void views_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("view");
        for (const char *language : {"en", "de", "fr", "es", "pt_BR", "ru", "ja", "zh_CN", "ko"}) {
            for (const char *view : {"popover connected", "popover needs connection", "popover connecting", "settings",
                                     "onboarding welcome", "onboarding providers", "onboarding failed"})
                QTest::addRow("%s, %s", language, view) << QString::fromLatin1(language) << QString::fromLatin1(view);
        }
    }

    void views()
    {
        QFETCH(QString, language);
        QFETCH(QString, view);
        speak(language);
        if (view.startsWith(QLatin1String("popover"))) {
            answerAll(view == QLatin1String("popover connected") ? ConnectionState::connected : ConnectionState::needsConnection);
            startMonitor(view == QLatin1String("popover connected") ? AccountSet{ProviderID::framer, ProviderID::codex, ProviderID::claudeCode} : AccountSet{});
            PopoverWindow popover(new ContentView(*m_monitor, nullptr), PopoverWindow::Mode::popup);
            popover.show();
            QVERIFY(QTest::qWaitForWindowExposed(&popover));
            // Texts that change while it is open, longer than the ones before.
            if (view == QLatin1String("popover connecting")) {
                m_monitor->beginConnecting(ProviderID::codex);
                m_monitor->beginConnecting(ProviderID::framer);
                m_monitor->finishConnecting(ProviderID::framer, false);
            }
            QTRY_COMPARE(popover.height(), popover.content()->neededHeight());
            verifyNothingClipped(popover);
            // With room to spare the rows never scroll.
            QVERIFY(!popover.content()->rowArea()->verticalScrollBar()->isVisible());
            return;
        }
        if (view == QLatin1String("settings")) {
            answerAll(ConnectionState::connected);
            startMonitor({ProviderID::codex, ProviderID::claudeCode});
            test::RecordingNotificationCenter center;
            UsageNotificationManager alerts(m_fixture->store, m_fixture->clock, center);
            AnalyticsManager analytics(m_fixture->store, m_fixture->clock, AnalyticsManager::TelemetrySetup{});
            LoginItem loginItem(m_fixture->directory.filePath(QStringLiteral("xdg")), QStringLiteral("/usr/bin/quelta"));
            ProviderConnection connection(*m_monitor, {});
            HistoryRecorder history(*m_monitor, m_fixture->store, m_fixture->home(QStringLiteral("history.sqlite")));
            SettingsView::Services services;
            services.monitor = m_monitor.get();
            services.alerts = &alerts;
            services.analytics = &analytics;
            services.loginItem = &loginItem;
            services.connection = &connection;
            services.history = &history;
            services.appVersion = QStringLiteral("0.1.0");
            SettingsView settings(services);
            // As the settings window holds it, whole: 520 px wide, as tall as it needs.
            settings.resize(520, settings.sizeHint().height());
            settings.show();
            QVERIFY(QTest::qWaitForWindowExposed(&settings));
            verifyNothingClipped(settings);
            return;
        }
        answerAll(ConnectionState::needsConnection);
        allowanceStore::saveEnabledProviders(m_fixture->store, {ProviderID::codex, ProviderID::claudeCode});
        startMonitor({});
        ProviderConnection connection(*m_monitor, [](AccountID) -> QCoro::Task<void> {
            throw ProviderConnectorError(ProviderConnectorError::Kind::processFailed);
        });
        OnboardingFlow::Services services;
        services.monitor = m_monitor.get();
        services.clock = &m_fixture->clock;
        services.connection = &connection;
        services.executable = [](ProviderID) { return std::optional(QStringLiteral("/usr/bin/tool")); };
        OnboardingWindow window(services, true);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (view != QLatin1String("onboarding welcome"))
            window.flow().getStarted();
        if (view == QLatin1String("onboarding failed")) {
            window.flow().continueFromProviders();
            window.flow().primaryAction();
            QTRY_COMPARE(window.flow().connectionState(), OnboardingConnectionState::failed);
        }
        QTest::qWait(50);
        verifyNothingClipped(window);
    }
};

QTEST_MAIN(TranslatedLayoutTest)
#include "TranslatedLayoutTest.moc"
