#pragma once

#include "MonitorReport.hpp"
#include "Output.hpp"

namespace cuevox::cli {

// How `cuevox-cli monitor` shows its events: a line or a few as each happens, or a JSON
// object each for the one array printed at the end. The pitch column only in the tempo mode.
Json toJson(const ReportEvent& event, bool tempoMode);
void printText(const ReportEvent& event, bool tempoMode);

} // namespace cuevox::cli
