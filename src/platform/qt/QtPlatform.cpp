// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QInputDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <filesystem>
#include <system_error>

#include "base/Errors.h"
#include "base/TextFile.h"

#include "base/qt/UserSettings.h"

namespace {

const QString kCaption = QStringLiteral("Kinovar");

QString toQString(const std::string& s)
{
    return QString::fromStdString(s);
}

// While a box is up it shows the normal cursor, even in the middle of busy work; the busy one
// comes back when the box closes.
class NormalCursorScope {
public:
    NormalCursorScope() : active_(QApplication::overrideCursor() != nullptr)
    {
        if (active_) QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~NormalCursorScope()
    {
        if (active_) QApplication::restoreOverrideCursor();
    }
    NormalCursorScope(const NormalCursorScope&) = delete;
    NormalCursorScope& operator=(const NormalCursorScope&) = delete;

private:
    bool active_;
};

} // namespace

QString qtFileFilter(const std::string& filter)
{
    const QStringList parts = toQString(filter).split(QLatin1Char('|'));
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
    QMessageBox messageBox(QMessageBox::NoIcon, kCaption, toQString(elideMiddle(text)),
                           QMessageBox::Ok, QApplication::activeWindow());
    messageBox.setTextFormat(Qt::PlainText); // typed or read text is never markup
    const NormalCursorScope normal;
    messageBox.exec();
}

void QtPlatform::showError(const std::string& message)
{
    QMessageBox messageBox(QMessageBox::Critical, kCaption,
                           toQString(elideMiddle(errorReportText(message))), QMessageBox::Ok,
                           QApplication::activeWindow());
    messageBox.setTextFormat(Qt::PlainText);
    const NormalCursorScope normal;
    messageBox.exec();
}

SaveChoice QtPlatform::askSaveChanges(const std::string& text)
{
    QMessageBox messageBox(QMessageBox::Warning, kCaption, toQString(elideMiddle(text)),
                           QMessageBox::NoButton, QApplication::activeWindow());
    messageBox.setTextFormat(Qt::PlainText);
    QPushButton* save = messageBox.addButton(QCoreApplication::translate("QtPlatform", "Сохранить"),
                                             QMessageBox::AcceptRole);
    QPushButton* discard = messageBox.addButton(
        QCoreApplication::translate("QtPlatform", "Не сохранять"), QMessageBox::DestructiveRole);
    QPushButton* cancel = messageBox.addButton(QCoreApplication::translate("QtPlatform", "Отмена"),
                                               QMessageBox::RejectRole);
    messageBox.setDefaultButton(save);
    messageBox.setEscapeButton(cancel);
    const NormalCursorScope normal;
    messageBox.exec();
    if (messageBox.clickedButton() == save) return SaveChoice::Save;
    if (messageBox.clickedButton() == discard) return SaveChoice::Discard;
    return SaveChoice::Cancel;
}

bool QtPlatform::askYesNo(const std::string& text)
{
    QMessageBox messageBox(QMessageBox::Question, kCaption, toQString(elideMiddle(text)),
                           QMessageBox::NoButton, QApplication::activeWindow());
    messageBox.setTextFormat(Qt::PlainText);
    QPushButton* yes =
        messageBox.addButton(QCoreApplication::translate("QtPlatform", "Да"), QMessageBox::YesRole);
    QPushButton* no =
        messageBox.addButton(QCoreApplication::translate("QtPlatform", "Нет"), QMessageBox::NoRole);
    messageBox.setDefaultButton(yes);
    messageBox.setEscapeButton(no);
    const NormalCursorScope normal;
    messageBox.exec();
    return messageBox.clickedButton() == yes;
}

StaleChoice QtPlatform::askStaleResults(const std::string& text)
{
    QMessageBox messageBox(QMessageBox::Question, kCaption, toQString(elideMiddle(text)),
                           QMessageBox::NoButton, QApplication::activeWindow());
    messageBox.setTextFormat(Qt::PlainText);
    QPushButton* asIs =
        messageBox.addButton(QCoreApplication::translate("QtPlatform", "Сохранить их как есть"),
                             QMessageBox::AcceptRole);
    QPushButton* again =
        messageBox.addButton(QCoreApplication::translate("QtPlatform", "Пересчитать и сохранить"),
                             QMessageBox::AcceptRole);
    QPushButton* cancel = messageBox.addButton(QCoreApplication::translate("QtPlatform", "Отмена"),
                                               QMessageBox::RejectRole);
    // The safe answer is the default: Enter writes results that match the parameters shown.
    messageBox.setDefaultButton(again);
    messageBox.setEscapeButton(cancel);
    const NormalCursorScope normal;
    messageBox.exec();
    if (messageBox.clickedButton() == asIs) return StaleChoice::SaveAsIs;
    if (messageBox.clickedButton() == again) return StaleChoice::Recalculate;
    return StaleChoice::Cancel;
}

bool QtPlatform::printDocument(const std::string& title,
                               const std::function<bool(QPagedPaintDevice&)>& paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(toQString(title));
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(),
                                      QPageLayout::Millimeter));
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(QCoreApplication::translate("QtPlatform", "Печать"));
    {
        const NormalCursorScope normal;
        if (dialog.exec() != QDialog::Accepted) return false;
    }
    return paint(printer);
}

std::unique_ptr<QFileDialog> makeFileDialog(QWidget* parent, QFileDialog::AcceptMode mode,
                                            const FileDialogRequest& request,
                                            const QString& startPath)
{
    auto dialog =
        std::make_unique<QFileDialog>(parent, QString(), startPath, qtFileFilter(request.filter));
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                        : QFileDialog::AnyFile);
    // Set before the dialog runs: the dialog adds it to a bare name and only then checks whether
    // that file exists, so the overwrite question names the file really written.
    dialog->setDefaultSuffix(toQString(request.defaultSuffix));
    if (!request.title.empty()) dialog->setWindowTitle(toQString(request.title));
    if (!startPath.isEmpty()) dialog->selectFile(startPath);
    return dialog;
}

QString QtPlatform::rememberedPath(const std::string& memoryKey) const
{
    return lastPaths_.value(toQString(memoryKey));
}

std::optional<std::string> QtPlatform::runDialog(QFileDialog::AcceptMode mode,
                                                 const FileDialogRequest& request)
{
    const QString key = toQString(request.memoryKey);
    auto dialog =
        makeFileDialog(QApplication::activeWindow(), mode, request, lastPaths_.value(key));
    if (dialog->exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog->selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty()) return std::nullopt;
    lastPaths_.insert(key, chosen.first());
    return chosen.first().toStdString();
}

std::optional<std::string> QtPlatform::openFileName(const FileDialogRequest& request)
{
    return runDialog(QFileDialog::AcceptOpen, request);
}

std::optional<std::string> QtPlatform::saveFileName(const FileDialogRequest& request)
{
    return runDialog(QFileDialog::AcceptSave, request);
}

bool QtPlatform::startProgram(const std::string& path, const std::vector<std::string>& args)
{
    QStringList arguments;
    for (const std::string& a : args)
        arguments << toQString(a);
    return QProcess::startDetached(toQString(path), arguments);
}

bool QtPlatform::openDocument(const std::string& path, const std::string& anchor)
{
    QUrl url = QUrl::fromLocalFile(toQString(path));
    if (anchor.empty()) return QDesktopServices::openUrl(url);
    url.setFragment(toQString(anchor));
    // The desktop's opener (xdg-open) hands a local file to the browser by its path and drops the
    // fragment; a forwarding page in the user's data folder carries it. Where that page cannot be
    // written, the page opens at its top rather than not at all.
    const std::string forward = userDataDir() + "guide-anchor.html";
    try {
        std::error_code ec;
        std::filesystem::create_directories(userDataDir(), ec);
        TextWriter writer(forward);
        writer.writeRaw(forwardingPage(url.toString(QUrl::FullyEncoded).toStdString()));
        writer.save();
    } catch (const KinovarError&) {
        return QDesktopServices::openUrl(url);
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(toQString(forward)));
}

char QtPlatform::localeDecimalSeparator()
{
    return decimalSeparatorOf(QLocale());
}

std::string QtPlatform::executableDir()
{
    return (QCoreApplication::applicationDirPath() + QLatin1Char('/')).toStdString();
}

void QtPlatform::beginBusy()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtPlatform::endBusy()
{
    QApplication::restoreOverrideCursor();
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

std::optional<std::string> QtPlatform::askText(const std::string& prompt,
                                               const std::string& initial)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(QApplication::activeWindow(), kCaption, toQString(prompt),
                              QLineEdit::Normal, toQString(initial), &ok);
    if (!ok) return std::nullopt;
    return text.toStdString();
}

namespace {

QString flagKey(const std::string& key)
{
    return QStringLiteral("flags/") + QString::fromUtf8(key);
}

} // namespace

bool QtPlatform::rememberedFlag(const std::string& key, bool fallback)
{
    return kinovarSettings().value(flagKey(key), fallback).toBool();
}

void QtPlatform::rememberFlag(const std::string& key, bool value)
{
    QSettings settings = kinovarSettings();
    settings.setValue(flagKey(key), value);
    settings.sync(); // kept at once, not at the program's end: a crash keeps the choice too
}

std::string QtPlatform::rememberedText(const std::string& key, const std::string& fallback)
{
    return readRememberedText(key, fallback);
}

void QtPlatform::rememberText(const std::string& key, const std::string& value)
{
    writeRememberedText(key, value);
}
