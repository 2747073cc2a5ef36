// SPDX-License-Identifier: GPL-3.0-or-later
// The project's variants and its report's chart choice: every change of the list is an undo step
// of the same history as the parameters (replaceVariants), so that undo, the unsaved mark and the
// recovery copy treat them alike.

#include "app/qt/controllers/ParamHistory.h"
#include "app/qt/controllers/ProjectController.h"
#include "params/Outcome.h"
#include "params/qt/ParameterPanel.h"

namespace {

QString quoted(const std::string& name)
{
    return QStringLiteral("«%1»").arg(QString::fromStdString(name));
}

} // namespace

void ProjectController::keepVariant(Variant variant)
{
    if (variants_.size() >= kMaxVariants) {
        platform.showMessage(
            tr("В проекте уже %1 вариантов: удалите ненужные, чтобы запомнить новый")
                .arg(kMaxVariants)
                .toStdString());
        return;
    }
    const QString label = tr("вариант %1").arg(quoted(variant.name));
    std::vector<Variant> after = variants_;
    after.push_back(std::move(variant));
    replaceVariants(std::move(after), label);
}

void ProjectController::renameVariant(size_t index, const std::string& name)
{
    if (index >= variants_.size() || variants_[index].name == name) return;
    std::vector<Variant> after = variants_;
    after[index].name = name;
    replaceVariants(std::move(after), tr("переименование варианта %1").arg(quoted(name)));
}

void ProjectController::removeVariant(size_t index)
{
    if (index >= variants_.size()) return;
    std::vector<Variant> after = variants_;
    const std::string name = after[index].name;
    after.erase(after.begin() + static_cast<std::ptrdiff_t>(index));
    replaceVariants(std::move(after), tr("удаление варианта %1").arg(quoted(name)));
}

void ProjectController::restoreVariant(size_t index)
{
    if (index >= variants_.size()) return;
    adopt(variants_[index].params,
          tr("восстановление варианта %1").arg(quoted(variants_[index].name)));
}

void ProjectController::setReportCharts(std::optional<std::vector<std::string>> charts)
{
    if (charts == reportCharts_) return;
    reportCharts_ = std::move(charts);
    reportChartsChanged_ = true;
    stackChanged();
}
