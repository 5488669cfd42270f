// SPDX-License-Identifier: MIT
#include "core/conversion_run.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <memory>

#include "core/messages.h"
#include "core/record_decoder.h"
#include "core/string_printf.h"
#include "output/adif_writer.h"
#include "output/qso_translation.h"

namespace kestrum {
namespace {

RunResult FileError(ConversionUi& ui, const char* format,
                    const std::string& fileName) {
  ui.ShowErrorBox(StringPrintf(format, fileName.c_str()));
  return {RunStatus::kFileError, 0};
}

}  // namespace

bool ConvertRecords(MessageLog& log, InputFile& file, const LogHeader& header,
                    ConversionContext& context, Clock& clock,
                    const std::string& inputFileName) {
  context.qsosWritten = 0;
  context.qsosIgnored = 0;
  context.lineLength = 0;
  context.lineText.clear();
  context.lines.Clear();
  context.startTime = clock.Now();

  bool readToEnd = true;
  const int generation = header.version / 100;
  const std::size_t recordSize = RecordSizeOf(generation);
  if (recordSize == 0) {
    LogMessage(log, MessageKind::kError, text::kUnknownVersion);
  } else {
    unsigned long long records = 0;
    while (auto qso = DecodeRecord(file, header.version, context.qsosWritten)) {
      ++records;
      if (qso->call.empty()) continue;
      if (TranslateQso(log, std::move(*qso), header, context) != 0) {
        ++context.qsosIgnored;
      } else {
        ++context.qsosWritten;
      }
    }
    if (file.Failed()) {
      readToEnd = false;
      LogMessage(
          log, MessageKind::kError,
          StringPrintf(text::kReadFailed, inputFileName.c_str(), records));
    }
  }
  FlushLine(context);

  // A clock set back during the run counts as no time.
  const std::int64_t elapsed =
      std::clamp<std::int64_t>(clock.Now() - context.startTime, 0, INT_MAX);
  const int seconds = static_cast<int>(elapsed);
  const char* plural = seconds == 1 ? "" : "s";
  const char* fileName = context.outputFileName.c_str();
  if (context.qsosIgnored > 0) {
    LogMessage(log, MessageKind::kInformation,
               StringPrintf(text::kSummaryNonSatellite, context.qsosWritten,
                            seconds, plural, fileName));
    LogMessage(log, MessageKind::kInformation,
               StringPrintf(text::kSatelliteIgnored, context.qsosIgnored));
  } else {
    LogMessage(log, MessageKind::kInformation,
               StringPrintf(text::kSummary, context.qsosWritten, seconds,
                            plural, fileName));
  }
  return readToEnd;
}

RunResult RunConversion(const std::string& inputFileName,
                        const std::string& outputFileName, LogHeader& header,
                        ConversionContext& context, RunEnvironment& env) {
  if (inputFileName.empty()) {
    env.ui.ShowErrorBox(text::kMissingInput);
    return {RunStatus::kMissingFileName, 0};
  }
  if (outputFileName.empty()) {
    env.ui.ShowErrorBox(text::kMissingOutput);
    return {RunStatus::kMissingFileName, 0};
  }

  MessageLog log;
  context.outputFileName = outputFileName;
  context.qsosWritten = 0;

  // Nothing is created or changed until both files are known to be usable:
  // the input opens, the output is another file, and the output can be made.
  std::unique_ptr<InputFile> input = env.files.OpenInput(inputFileName);
  if (!input) return FileError(env.ui, text::kInputNotOpened, inputFileName);
  if (env.files.SameFile(inputFileName, outputFileName)) {
    return FileError(env.ui, text::kOutputIsInput, outputFileName);
  }
  std::unique_ptr<OutputFile> output = env.files.CreateOutput(outputFileName);
  if (!output)
    return FileError(env.ui, text::kOutputNotCreated, outputFileName);

  RunStatus status = RunStatus::kConverted;
  bool bodyWritten = true;
  ReadLogHeader(log, inputFileName, *input, header);
  if (header.version >= kVersion7) {
    if (!ConvertRecords(log, *input, header, context, env.clock,
                        inputFileName)) {
      status = RunStatus::kFileError;
    } else if (RecordSizeOf(header.version / 100) == 0) {
      status = RunStatus::kLogRefused;
    }
    bodyWritten = WriteOutputFile(*output, header, context);
  } else {
    status = input->Failed() ? RunStatus::kFileError : RunStatus::kLogRefused;
  }
  input.reset();
  // A file that was not written whole is dropped: the old one stays.
  const bool written = bodyWritten && output->Commit();
  output.reset();
  if (!written) {
    LogMessage(log, MessageKind::kError,
               StringPrintf(text::kWriteFailed, outputFileName.c_str()));
    env.ui.ReplaceMessageList(MessageListLines(log));
    env.ui.ShowErrorBox(
        StringPrintf(text::kOutputNotWritten, outputFileName.c_str()));
    return {RunStatus::kFileError, 0};
  }
  env.ui.ReplaceMessageList(MessageListLines(log));
  env.ui.ShowInformationBox(StringPrintf(
      text::kClosingReport, context.qsosWritten, outputFileName.c_str()));
  return {status, context.qsosWritten};
}

}  // namespace kestrum
