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
#include "run/log_pass.h"

namespace kestrum {
namespace {

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

// A count for the texts and results, which hold an int.
int CountText(std::int64_t count) {
  return static_cast<int>(std::min<std::int64_t>(count, INT_MAX));
}

// The progress of a run's two readings of the records: units are bytes of
// records, twice the records' bytes in all. The total is the file's size,
// or for a log read from a pipe what the first reading found.
class Progress {
 public:
  Progress(ConversionUi& ui, std::uint64_t recordBytes)
      : ui_(ui), recordBytes_(recordBytes) {}

  void Show(int reading, std::uint64_t bytesRead) {
    if (recordBytes_ == 0) return;
    const std::uint64_t done = std::min(bytesRead, recordBytes_);
    ui_.ShowProgress(reading == 1 ? done : recordBytes_ + done,
                     2 * recordBytes_);
  }
  void SecondReadingOf(std::uint64_t recordBytes) {
    if (recordBytes_ == 0) recordBytes_ = recordBytes;
  }

 private:
  ConversionUi& ui_;
  std::uint64_t recordBytes_;
};

// What one reading of the log found.
struct Reading {
  bool failed = false;
  std::int64_t qsos = 0;     // written or skipped: what the header counts
  std::int64_t ignored = 0;  // left out as satellite contacts
  std::uint64_t recordBytes = 0;
  std::uint64_t digest = 0;  // of every byte, with their number
  std::uint64_t size = 0;
  std::vector<std::byte> start;  // the first bytes, as the header reader got
};

Reading Finished(const LogPass& pass, Reading reading) {
  reading.failed = pass.Failed();
  reading.recordBytes = pass.RecordBytes();
  reading.digest = pass.Digest().Value();
  reading.size = pass.Digest().Size();
  reading.start.assign(pass.Start().begin(), pass.Start().end());
  return reading;
}

// The first reading: how many contacts the header will count, which are the
// records with a call that the satellite rule keeps.
Reading CountQsos(InputFile& file, const LogLayout& layout,
                  std::size_t firstRecord, const LogHeader& header,
                  const ConversionOptions& options, Progress& progress) {
  LogPass pass(file, layout, firstRecord);
  Reading reading;
  for (ByteSpan block; !(block = pass.NextRecords()).empty();) {
    for (std::size_t at = 0; at < block.size(); at += layout.recordSize) {
      const std::optional<RecordPreview> record =
          PreviewRecord(block.subspan(at), layout);
      if (!record || !record->hasCall) continue;
      if (IsSatelliteContact(header, record->band, options.sixMeters)) {
        ++reading.ignored;
      } else {
        ++reading.qsos;
      }
    }
    progress.Show(1, pass.RecordBytes());
  }
  return Finished(pass, reading);
}

// The record loop, the second reading: decodes every record behind the
// header and translates each contact with a call into `body`.
Reading ConvertRecords(MessageLog& log, InputFile& file,
                       const LogLayout& layout, std::size_t firstRecord,
                       const LogHeader& header,
                       const ConversionOptions& options, AdifBody& body,
                       Progress& progress) {
  LogPass pass(file, layout, firstRecord);
  Reading reading;
  QsoRecord qso;
  for (ByteSpan block; !(block = pass.NextRecords()).empty();) {
    for (std::size_t at = 0; at < block.size(); at += layout.recordSize) {
      if (!DecodeRecord(block.subspan(at), layout, reading.qsos, qso) ||
          qso.call.empty()) {
        continue;
      }
      switch (TranslateQso(log, qso, header, options, body)) {
        case QsoOutcome::kWritten:
        case QsoOutcome::kSkipped:
          ++reading.qsos;
          break;
        case QsoOutcome::kIgnoredSatellite:
          ++reading.ignored;
          break;
      }
    }
    progress.Show(2, pass.RecordBytes());
  }
  return Finished(pass, reading);
}

// Seconds from `startTime` until now; a clock set back counts as no time.
int ElapsedSeconds(Clock& clock, std::int64_t startTime) {
  return static_cast<int>(
      std::clamp<std::int64_t>(clock.Now() - startTime, 0, INT_MAX));
}

// The summary lines of a run that wrote its file (or refused the log's
// version): how many contacts went where, in how long.
void LogSummary(MessageLog& log, const std::string& outputFileName,
                const Reading& reading, int seconds) {
  const char* plural = seconds == 1 ? "" : "s";
  const char* fileName = outputFileName.c_str();
  const int written = CountText(reading.qsos);
  if (reading.ignored > 0) {
    LogMessage(log, MessageKind::kInformation,
               StringPrintf(text::kSummaryNonSatellite, written, seconds,
                            plural, fileName));
    LogMessage(
        log, MessageKind::kInformation,
        StringPrintf(text::kSatelliteIgnored, CountText(reading.ignored)));
  } else {
    LogMessage(
        log, MessageKind::kInformation,
        StringPrintf(text::kSummary, written, seconds, plural, fileName));
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
  const ConversionOptions& options = request.options;
  if (inputFileName.empty() || outputFileName.empty()) {
    env.ui.ReplaceMessageList(MessageLog());
    env.ui.ShowErrorBox(inputFileName.empty() ? text::kMissingInput
                                              : text::kMissingOutput);
    return Ended(RunStatus::kMissingFileName);
  }

  MessageLog log;
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
  // The log is read three times: its first bytes for the header, then all
  // of it to count the contacts and once more to convert them. The file
  // layer makes that possible for pipes too.
  std::unique_ptr<InputFile> file = std::move(input.file);
  const auto readFailedBecause = [&](const std::string& reason) {
    return Failed(
        std::move(result), log, env.ui,
        StringPrintf(text::kReadFailed, inputFileName.c_str(), reason.c_str()));
  };
  const auto readFailed = [&] {
    return readFailedBecause(ReasonOf(file->Error()));
  };

  // The header is judged on the log's first bytes; a read that failed
  // before they were all there is a failure of the disk, not of the log.
  LogHeader& header = result.header;
  std::vector<std::byte> start(kLongestHeader);
  start.resize(file->Read(start));
  if (!file->Error().empty()) return readFailed();
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

  const std::int64_t startTime = env.clock.Now();
  const std::optional<LogLayout> layout = LayoutOfVersion(header.version);
  if (!layout) {
    // A version without a record layout: refused like a bad header.
    LogMessage(log, MessageKind::kError, text::kUnknownVersion);
    result.status = RunStatus::kLogRefused;
    LogSummary(log, outputFileName, Reading(),
               ElapsedSeconds(env.clock, startTime));
    env.ui.ReplaceMessageList(log);
    env.ui.ShowInformationBox(
        StringPrintf(text::kClosingReport, 0, outputFileName.c_str()));
    return result;
  }

  // The header carries the count of contacts, so a first reading counts
  // them; the second converts them and streams the body to the file as it
  // fills, so that a log of any size takes little memory.
  const std::uint64_t size = file->Size();
  Progress progress(env.ui, size > firstRecord ? size - firstRecord : 0);
  const Reading counted =
      CountQsos(*file, *layout, firstRecord, header, options, progress);
  if (counted.failed) return readFailed();
  if (counted.start != start) return readFailedBecause(text::kLogChanged);
  progress.SecondReadingOf(counted.recordBytes);

  const OutputFacts facts{CountText(counted.qsos), startTime};
  const bool headerWritten =
      WriteOutputHeader(*output.file, header, options, facts);
  AdifBody body(*output.file);
  // After a failed write the conversion still runs to its end, so that the
  // message list shows the same warnings as a run that succeeds.
  const Reading converted = ConvertRecords(log, *file, *layout, firstRecord,
                                           header, options, body, progress);
  if (converted.failed) return readFailed();
  file.reset();
  if (converted.qsos != counted.qsos || converted.ignored != counted.ignored ||
      converted.size != counted.size || converted.digest != counted.digest) {
    return readFailedBecause(text::kLogChanged);
  }
  const int seconds = ElapsedSeconds(env.clock, startTime);

  // A file that was not written whole is dropped: the old one stays.
  if (!headerWritten || !body.Finish() || !output.file->Commit()) {
    std::string line = StringPrintf(text::kWriteFailed, outputFileName.c_str(),
                                    ReasonOf(output.file->Error()).c_str());
    if (outputExisted) line += text::kLeftAsItWas;
    return Failed(std::move(result), log, env.ui, line);
  }
  result.replacedExisting = output.file->ReplacedExisting();
  LogSummary(log, outputFileName, converted, seconds);
  env.ui.ReplaceMessageList(log);
  result.qsosWritten = CountText(converted.qsos);
  result.qsosIgnored = CountText(converted.ignored);
  env.ui.ShowInformationBox(StringPrintf(
      text::kClosingReport, result.qsosWritten, outputFileName.c_str()));
  return result;
}

}  // namespace kestrum
