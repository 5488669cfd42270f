// SPDX-License-Identifier: MIT
#include "run/conversion_run.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "base/string_printf.h"
#include "core/log_layout.h"
#include "core/message_log.h"
#include "core/messages.h"
#include "core/record_decoder.h"
#include "output/adif_body.h"
#include "output/adif_header.h"
#include "output/qso_translation.h"
#include "output/text_sink.h"

namespace kestrum {
namespace {

// Records are read this many at a time.
constexpr std::size_t kRecordsPerBlock = 4096;

RunResult Ended(RunStatus status) {
  RunResult result;
  result.status = status;
  return result;
}

// A message box text with the system's reason for a failure before its
// closing full stop: "ERROR:  Could not open ZR BIN file x.bin: No such file
// or directory."
std::string WithReason(const char* format, const std::string& fileName,
                       const std::string& reason) {
  std::string text = StringPrintf(format, fileName.c_str());
  if (!reason.empty() && text.ends_with('.')) {
    text.pop_back();
    text += ": " + reason + ".";
  }
  return text;
}

// A run that ends before the log is read: an empty message list and the box.
RunResult FileError(ConversionUi& ui, const char* format,
                    const std::string& fileName, const std::string& reason) {
  ui.ReplaceMessageList(MessageLog());
  ui.ShowErrorBox(WithReason(format, fileName, reason));
  return Ended(RunStatus::kFileError);
}

// How the record loop ended.
struct RecordsRead {
  bool readToEnd = true;  // false: a read failed (InputFile::Error says why)
  int qsosWritten = 0;    // contacts written or skipped with a warning
  int qsosIgnored = 0;    // contacts ignored as satellite contacts
  std::int64_t startTime = 0;  // when the records began, seconds since 1970
  int seconds = 0;             // how long the records took
};

// The record loop: decodes every record behind the header, translates each
// contact with a call into `body` and ends it. `file` is positioned at the
// first record, `firstRecord` bytes into the log.
RecordsRead ConvertRecords(MessageLog& log, InputFile& file,
                           std::uint64_t firstRecord, const LogHeader& header,
                           const ConversionOptions& options, AdifBody& body,
                           RunEnvironment& env) {
  RecordsRead outcome;
  outcome.startTime = env.clock.Now();
  const std::optional<LogLayout> layout = LayoutOfVersion(header.version);
  if (!layout) {
    LogMessage(log, MessageKind::kError, text::kUnknownVersion);
  } else {
    const std::size_t recordSize = layout->recordSize;
    const std::uint64_t size = file.Size();
    const std::uint64_t total = size > firstRecord ? size - firstRecord : 0;
    std::vector<std::byte> block(recordSize * kRecordsPerBlock);
    std::uint64_t done = 0;
    QsoRecord qso;
    for (;;) {
      const std::size_t got = file.Read(block);
      const std::size_t whole = got / recordSize;
      for (std::size_t i = 0; i < whole; ++i) {
        if (!DecodeRecord(ByteSpan(block).subspan(i * recordSize), *layout,
                          outcome.qsosWritten, qso) ||
            qso.call.empty()) {
          continue;
        }
        switch (TranslateQso(log, qso, header, options, body)) {
          case QsoOutcome::kWritten:
          case QsoOutcome::kSkipped:
            ++outcome.qsosWritten;
            break;
          case QsoOutcome::kIgnoredSatellite:
            ++outcome.qsosIgnored;
            break;
        }
      }
      done += got;
      if (total != 0) env.ui.ShowProgress(std::min(done, total), total);
      if (got < block.size()) break;
    }
    outcome.readToEnd = file.Error().empty();
  }

  // A clock set back during the run counts as no time.
  const std::int64_t elapsed =
      std::clamp<std::int64_t>(env.clock.Now() - outcome.startTime, 0, INT_MAX);
  outcome.seconds = static_cast<int>(elapsed);
  return outcome;
}

// The summary lines of a run that wrote its file (or refused the log's
// version): how many contacts went where, in how long.
void LogSummary(MessageLog& log, const std::string& outputFileName,
                const RecordsRead& records) {
  const char* plural = records.seconds == 1 ? "" : "s";
  const char* fileName = outputFileName.c_str();
  if (records.qsosIgnored > 0) {
    LogMessage(log, MessageKind::kInformation,
               StringPrintf(text::kSummaryNonSatellite, records.qsosWritten,
                            records.seconds, plural, fileName));
    LogMessage(log, MessageKind::kInformation,
               StringPrintf(text::kSatelliteIgnored, records.qsosIgnored));
  } else {
    LogMessage(log, MessageKind::kInformation,
               StringPrintf(text::kSummary, records.qsosWritten,
                            records.seconds, plural, fileName));
  }
}

// The system's reason for a failure, or a general one when it gave none.
std::string ReasonOf(const std::string& error) {
  return error.empty() ? "Input/output error" : error;
}

// A run that failed after both files were opened: its lines with one more
// error line, and an error box saying the same. The output file was not
// committed, so whatever was there before is still there.
RunResult Failed(RunResult result, MessageLog& log, ConversionUi& ui,
                 const std::string& line) {
  LogMessage(log, MessageKind::kError, line);
  ui.ReplaceMessageList(log);
  ui.ShowErrorBox(std::string(text::kErrorPrefix) + line);
  result.status = RunStatus::kFileError;
  result.qsosWritten = 0;
  result.qsosIgnored = 0;
  return result;
}

}  // namespace

RunResult RunConversion(const RunRequest& request, RunEnvironment& env) {
  const std::string& inputFileName = request.inputPath;
  const std::string& outputFileName = request.outputPath;
  if (inputFileName.empty() || outputFileName.empty()) {
    env.ui.ReplaceMessageList(MessageLog());
    env.ui.ShowErrorBox(inputFileName.empty() ? text::kMissingInput
                                              : text::kMissingOutput);
    return Ended(RunStatus::kMissingFileName);
  }

  MessageLog log;
  const ConversionOptions& options = request.options;
  RunResult result;

  // Nothing is created or changed until both files are known to be usable:
  // the input opens, the output is another file, and the output can be made.
  Opened<InputFile> input = env.files.OpenInput(inputFileName);
  if (!input.file) {
    return FileError(env.ui, text::kInputNotOpened, inputFileName, input.error);
  }
  if (env.files.SameFile(inputFileName, outputFileName)) {
    return FileError(env.ui, text::kOutputIsInput, outputFileName, {});
  }
  const bool outputExisted = env.files.Exists(outputFileName);
  if (!request.replaceExisting && outputExisted) {
    env.ui.ReplaceMessageList(MessageLog());
    return Ended(RunStatus::kOutputExists);
  }
  Opened<OutputFile> output =
      env.files.CreateOutput(outputFileName, request.replaceExisting);
  if (!output.file) {
    return FileError(env.ui, text::kOutputNotCreated, outputFileName,
                     output.error);
  }
  const auto readFailed = [&] {
    return Failed(std::move(result), log, env.ui,
                  StringPrintf(text::kReadFailed, inputFileName.c_str(),
                               ReasonOf(input.file->Error()).c_str()));
  };

  // The header is judged on the log's first bytes; a read that failed
  // before they were all there is a failure of the disk, not of the log.
  LogHeader& header = result.header;
  std::vector<std::byte> start(kLongestHeader);
  start.resize(input.file->Read(start));
  if (!input.file->Error().empty()) return readFailed();
  const std::size_t firstRecord =
      ReadLogHeader(log, inputFileName, start, header);
  if (firstRecord == 0) {
    // A refused log leaves the output as it was: nothing was written.
    result.status = RunStatus::kLogRefused;
    env.ui.ReplaceMessageList(log);
    env.ui.ShowInformationBox(
        StringPrintf(text::kClosingReport, 0, outputFileName.c_str()));
    return result;
  }
  if (!input.file->Seek(firstRecord)) return readFailed();
  // The header carries the final count of contacts: the body is held until
  // the records are done.
  StringSink bodyText;
  AdifBody body(bodyText);
  const RecordsRead records =
      ConvertRecords(log, *input.file, firstRecord, header, options, body, env);
  if (!records.readToEnd) return readFailed();
  input.file.reset();

  if (!LayoutOfVersion(header.version)) {
    // A version without a record layout: refused like a bad header.
    result.status = RunStatus::kLogRefused;
    LogSummary(log, outputFileName, records);
    env.ui.ReplaceMessageList(log);
    env.ui.ShowInformationBox(
        StringPrintf(text::kClosingReport, 0, outputFileName.c_str()));
    return result;
  }

  // A file that was not written whole is dropped: the old one stays.
  const OutputFacts facts{records.qsosWritten, records.startTime};
  if (!body.Finish() ||
      !WriteOutputHeader(*output.file, header, options, facts) ||
      !output.file->Write(bodyText.Text()) || !output.file->Commit()) {
    std::string line = StringPrintf(text::kWriteFailed, outputFileName.c_str(),
                                    ReasonOf(output.file->Error()).c_str());
    if (outputExisted) line += text::kLeftAsItWas;
    return Failed(std::move(result), log, env.ui, line);
  }
  result.replacedExisting = output.file->ReplacedExisting();
  LogSummary(log, outputFileName, records);
  env.ui.ReplaceMessageList(log);
  env.ui.ShowInformationBox(StringPrintf(
      text::kClosingReport, records.qsosWritten, outputFileName.c_str()));
  result.qsosWritten = records.qsosWritten;
  result.qsosIgnored = records.qsosIgnored;
  return result;
}

}  // namespace kestrum
