#pragma once
// The Qt answer to a scrollable report request of seams.h: a read-only text view with the
// request's buttons.

#include "platform/seams.h"

class QWidget;

namespace platform {

Answer ShowReportView(const MessageBoxRequest &request, QWidget *parent);

} // namespace platform
