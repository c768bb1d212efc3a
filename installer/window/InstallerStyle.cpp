#include "InstallerStyle.h"

#include <QDir>
#include <QFontDatabase>
#include <QPointF>
#include <QProcess>

namespace installer::style {

QFont headingFont()
{
    QFont font = textFont(32, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, -1.28);
    return font;
}

QFont textFont(qreal pixelSize, bool medium)
{
    QFont font(QStringLiteral("Geist"));
    font.setPixelSize(qRound(pixelSize));
    font.setWeight(medium ? QFont::Medium : QFont::Normal);
    return font;
}

QColor white(qreal opacity)
{
    QColor color(Qt::white);
    color.setAlphaF(float(opacity));
    return color;
}

QColor errorColor()
{
    return QColor(0xff, 0x8a, 0x80);
}

QColor accentColor()
{
    return QColor(0x0a, 0x84, 0xff);
}

QEasingCurve easeOut()
{
    // The usual ease-out: cubic Bézier (0, 0, 0.58, 1).
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0, 0), QPointF(0.58, 1), QPointF(1, 1));
    return curve;
}

bool reduceMotion()
{
    static const bool reduced = [] {
        if (qEnvironmentVariable("GTK_ENABLE_ANIMATIONS") == QLatin1String("0"))
            return true;
        QProcess gsettings;
        gsettings.start(QStringLiteral("gsettings"), {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.interface"), QStringLiteral("enable-animations")});
        return gsettings.waitForFinished(1000) && gsettings.readAllStandardOutput().trimmed() == "false";
    }();
    return reduced;
}

int registerFonts(const QString &folder)
{
    int registered = 0;
    for (const QString &face : {QStringLiteral("Geist-Regular.ttf"), QStringLiteral("Geist-Medium.ttf")}) {
        const QString path = QDir(folder).filePath(face);
        if (QFile::exists(path) && QFontDatabase::addApplicationFont(path) >= 0)
            ++registered;
    }
    return registered;
}

} // namespace installer::style
