#pragma once

#include "platform/PrintQueue.h"

// The print system takes a job long before it prints it; a job that fails afterwards must not pass for
// printed. The program follows each job it hands over while it goes on working.
namespace ui {

/// Follows `job` until the print system says it is printed or has failed, and shows a failure in the
/// error box ("The print job ... was not printed. ..."). A job still waiting after ten minutes (a
/// printer out of paper) is left to the print system, whose own tools show it.
void followPrintJob(const platform::PrintJob& job);

/// The number of jobs being followed.
int followedPrintJobs();

} // namespace ui
