#pragma once
// The Qt answer to a scrollable report request of seams.h: a read-only text view, or a summary
// above a sortable table of findings, with the request's buttons; modal, or modeless with 刷新
// when the request can refresh itself.

#include "platform/seams.h"

class QWidget;

namespace gui::qt {

platform::Answer ShowReportView(const platform::MessageBoxRequest &request, QWidget *parent);

} // namespace gui::qt
