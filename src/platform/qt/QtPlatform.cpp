#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

namespace {

const QString kCaption = QStringLiteral("Kinovar");

QString fromUtf8(const std::string& s)
{
    return QString::fromStdString(s);
}

} // namespace

QString qtFileFilter(const std::string& filter)
{
    const QStringList parts = fromUtf8(filter).split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
        }
        entries << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return entries.join(QStringLiteral(";;"));
}

char decimalSeparatorOf(const QLocale& locale)
{
    const QString point = locale.decimalPoint();
    if (point.size() != 1 || point[0].unicode() < 0x21 || point[0].unicode() > 0x7e) return '.';
    return static_cast<char>(point[0].unicode());
}

void QtPlatform::showMessage(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, kCaption, fromUtf8(elideMiddle(text)), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText); // typed or read text is never markup
    box.exec();
}

void QtPlatform::showError(const std::string& message)
{
    QMessageBox box(QMessageBox::Critical, kCaption,
                    fromUtf8(elideMiddle(errorReportText(message))), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::optional<std::string> QtPlatform::openFileName(const std::string& filter)
{
    const QString path = QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(),
                                                      lastOpenPath_, qtFileFilter(filter));
    if (path.isEmpty()) return std::nullopt;
    lastOpenPath_ = path;
    return path.toStdString();
}

std::optional<std::string> QtPlatform::saveFileName(const std::string& filter)
{
    // Qt's save dialog asks before replacing an existing file unless told not to.
    const QString path = QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(),
                                                      lastSavePath_, qtFileFilter(filter));
    if (path.isEmpty()) return std::nullopt;
    lastSavePath_ = path;
    return path.toStdString();
}

bool QtPlatform::startProgram(const std::string& path, const std::vector<std::string>& args)
{
    QStringList arguments;
    for (const std::string& a : args)
        arguments << fromUtf8(a);
    return QProcess::startDetached(fromUtf8(path), arguments);
}

char QtPlatform::localeDecimalSeparator()
{
    return decimalSeparatorOf(QLocale());
}

std::string QtPlatform::executableDir()
{
    return (QCoreApplication::applicationDirPath() + QLatin1Char('/')).toStdString();
}

std::string QtPlatform::userDataDir()
{
    return (QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
            QLatin1Char('/'))
        .toStdString();
}

bool QtPlatform::canWriteIn(const std::string& dir)
{
    return systemCanWriteIn(dir);
}
