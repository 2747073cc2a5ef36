// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt file dialogs as the platform builds and runs them: the default suffix is in place before
// the overwrite question, and each dialog memory keeps its own path. The dialogs are Qt's own
// widgets (offscreen there is no native one), answered from a timer so that nothing blocks;
// QFileDialog::accept, the Save button's action, is reached through QDialog, where it is public.
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "platform/qt/QtPlatform.h"

namespace {

const FileDialogRequest kPicture{"Изображение PNG|*.png|Все файлы|*.*", "png", "chartImage"};

void touch(const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old");
}

// Runs `answer` on the next modal widget of type T once it is shown (polling, so a dialog that
// never comes does not hang the test: after two seconds the poll gives up).
template <class T> void answerNextModal(std::function<void(T*)> answer)
{
    auto* timer = new QTimer;
    auto started = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, started, answer] {
        if (auto* w = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(w);
        } else if (++*started > 400) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(5);
}

} // namespace

TEST(FileDialog, PictureDialogIsBuiltWithItsSuffixAndFilter)
{
    const auto dialog =
        makeFileDialog(nullptr, QFileDialog::AcceptSave, kPicture, QStringLiteral("/tmp/a.png"));
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("png"));
    EXPECT_EQ(dialog->nameFilters(), (QStringList{QStringLiteral("Изображение PNG (*.png)"),
                                                  QStringLiteral("Все файлы (*)")}));
    EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));

    // The report's dialogs add nothing: a name is used as typed.
    const auto report =
        makeFileDialog(nullptr, QFileDialog::AcceptSave,
                       {"Text File|*.txt|All Types|*.*", "", kReportSaveDialog}, {});
    EXPECT_TRUE(report->defaultSuffix().isEmpty());
    const auto open = makeFileDialog(nullptr, QFileDialog::AcceptOpen,
                                     {"Text File|*.txt|Any Type|*.*", "", kReportOpenDialog}, {});
    EXPECT_EQ(open->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(open->fileMode(), QFileDialog::ExistingFile);
}

TEST(FileDialog, BareNameGetsTheSuffixBeforeTheOverwriteQuestion)
{
    QTemporaryDir dir;
    touch(dir.filePath("x.png"));
    auto dialog = makeFileDialog(nullptr, QFileDialog::AcceptSave, kPicture, dir.filePath("x"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setDirectory(dir.path());
    dialog->selectFile(QStringLiteral("x"));

    QString question;
    answerNextModal<QMessageBox>([&](QMessageBox* box) {
        question = box->text();
        box->button(QMessageBox::No) ? box->button(QMessageBox::No)->click() : box->reject();
    });
    static_cast<QDialog*>(dialog.get())->accept(); // asks about x.png; "No" keeps the dialog open
    EXPECT_TRUE(question.contains(QStringLiteral("x.png"))) << question.toStdString();
    EXPECT_EQ(dialog->result(), 0) << "the dialog closed although the replacement was refused";

    // A name that exists nowhere closes the dialog at once, with the suffix added.
    auto fresh = makeFileDialog(nullptr, QFileDialog::AcceptSave, kPicture, {});
    fresh->setOption(QFileDialog::DontUseNativeDialog);
    fresh->setDirectory(dir.path());
    fresh->selectFile(QStringLiteral("y"));
    static_cast<QDialog*>(fresh.get())->accept();
    EXPECT_EQ(fresh->result(), int(QDialog::Accepted));
    EXPECT_EQ(fresh->selectedFiles().value(0), dir.filePath("y.png"));
}

TEST(FileDialog, EachMemoryKeepsItsOwnPath)
{
    QTemporaryDir dir;
    QtPlatform platform;
    answerNextModal<QFileDialog>([&](QFileDialog* d) {
        d->selectFile(dir.filePath("picture"));
        static_cast<QDialog*>(d)->accept();
    });
    const auto picture = platform.saveFileName(kPicture);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(QString::fromStdString(*picture), dir.filePath("picture.png"));
    EXPECT_EQ(platform.rememberedPath("chartImage"), dir.filePath("picture.png"));
    EXPECT_TRUE(platform.rememberedPath(kReportSaveDialog).isEmpty());

    // The report's save dialog does not start at the picture.
    QStringList startedWith;
    answerNextModal<QFileDialog>([&](QFileDialog* d) {
        startedWith = d->selectedFiles();
        d->reject();
    });
    EXPECT_FALSE(platform.saveFileName("Text File|*.txt|All Types|*.*").has_value());
    for (const QString& s : startedWith)
        EXPECT_FALSE(s.endsWith(QStringLiteral("picture.png"))) << s.toStdString();

    // The picture dialog starts where it ended last time.
    answerNextModal<QFileDialog>([&](QFileDialog* d) {
        startedWith = d->selectedFiles();
        d->reject();
    });
    EXPECT_FALSE(platform.saveFileName(kPicture).has_value());
    EXPECT_EQ(startedWith.value(0), dir.filePath("picture.png"));
    EXPECT_EQ(platform.rememberedPath("chartImage"), dir.filePath("picture.png")); // kept on cancel
}
