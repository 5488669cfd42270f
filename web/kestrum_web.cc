// SPDX-License-Identifier: MIT
#include "web/kestrum_web.h"

#include <new>
#include <span>
#include <string>
#include <vector>

#include "run/clock.h"
#include "run/conversion_run.h"
#include "web/memory_file_access.h"
#include "web/recording_ui.h"

struct KestrumWebResult {
  int status = KESTRUM_WEB_ERROR;
  int qsosWritten = 0;
  std::string adif;
  std::vector<kestrum::web::ListLine> lines;
  std::string report;
};

namespace kestrum::web {
namespace {

static_assert(KESTRUM_WEB_INFORMATION ==
              static_cast<int>(MessageKind::kInformation));
static_assert(KESTRUM_WEB_WARNING == static_cast<int>(MessageKind::kWarning));
static_assert(KESTRUM_WEB_ERROR_LINE == static_cast<int>(MessageKind::kError));

int StatusOf(RunStatus status) {
  switch (status) {
    case RunStatus::kConverted:
      return KESTRUM_WEB_CONVERTED;
    case RunStatus::kLogRefused:
      return KESTRUM_WEB_REFUSED;
    default:
      return KESTRUM_WEB_ERROR;
  }
}

ConversionOptions OptionsOf(std::uint32_t flags, const char* contestIdText) {
  ConversionOptions options;
  options.sixMeters = (flags & KESTRUM_WEB_SIX_METERS) != 0;
  options.arrlSs = (flags & KESTRUM_WEB_ARRL_SS) != 0;
  options.vexoOption = (flags & KESTRUM_WEB_VEXO) != 0;
  options.operatorOption = (flags & KESTRUM_WEB_OPERATOR) != 0;
  options.wpxOption = (flags & KESTRUM_WEB_WPX) != 0;
  options.withSeconds = (flags & KESTRUM_WEB_SECONDS) != 0;
  options.withFrequency = (flags & KESTRUM_WEB_FREQUENCY) != 0;
  options.adif3 = (flags & KESTRUM_WEB_ADIF3) != 0;
  options.contestIdText = contestIdText == nullptr ? "" : contestIdText;
  return options;
}

std::string TextOf(const char* text) { return text == nullptr ? "" : text; }

}  // namespace
}  // namespace kestrum::web

extern "C" {

KestrumWebResult* kestrum_web_convert(const uint8_t* log, size_t logSize,
                                      const char* inputName,
                                      const char* outputName, uint32_t options,
                                      const char* contestIdText) {
  using namespace kestrum;
  using namespace kestrum::web;
  auto* result = new (std::nothrow) KestrumWebResult;
  if (result == nullptr) return nullptr;
  if (log == nullptr) logSize = 0;

  InMemoryFileAccess files(std::as_bytes(std::span(log, logSize)));
  RecordingUi ui;
  SystemClock clock;
  RunEnvironment env{ui, files, clock};
  const RunRequest request{TextOf(inputName), TextOf(outputName),
                           OptionsOf(options, contestIdText)};
  const RunResult run = RunConversion(request, env);

  result->status = StatusOf(run.status);
  result->qsosWritten = run.qsosWritten;
  if (run.status == RunStatus::kConverted)
    result->adif = std::move(files.Adif());
  result->lines = ui.Lines();
  result->report = ui.Report();
  return result;
}

int kestrum_web_status(const KestrumWebResult* result) {
  return result->status;
}

int kestrum_web_qsos_written(const KestrumWebResult* result) {
  return result->qsosWritten;
}

const uint8_t* kestrum_web_adif(const KestrumWebResult* result) {
  return reinterpret_cast<const uint8_t*>(result->adif.data());
}

size_t kestrum_web_adif_size(const KestrumWebResult* result) {
  return result->adif.size();
}

size_t kestrum_web_message_count(const KestrumWebResult* result) {
  return result->lines.size();
}

const char* kestrum_web_message(const KestrumWebResult* result, size_t index) {
  if (index >= result->lines.size()) return "";
  return result->lines[index].text.c_str();
}

int kestrum_web_message_kind(const KestrumWebResult* result, size_t index) {
  if (index >= result->lines.size()) return KESTRUM_WEB_INFORMATION;
  return static_cast<int>(result->lines[index].kind);
}

const char* kestrum_web_report(const KestrumWebResult* result) {
  return result->report.c_str();
}

void kestrum_web_free(KestrumWebResult* result) { delete result; }

}  // extern "C"
