// SPDX-License-Identifier: MIT
// Reads ADIF files with the ADIF converter of trustedqsl's library (tqsllib),
// the code that prepares logs for signing and upload, and reports every
// contact it rejects:
//   check_adif_tqsl --work-dir DIR FILE...
// The converter checks each contact (call, band, mode, date and time, the
// frequencies against the band, propagation mode) and only then looks for the
// callsign certificate to sign it with. There is no certificate here, so a
// contact that passes every check stops with "no valid callsign certificate":
// that is taken as accepted, any other stop as a rejection. The station
// location is built in memory (no call, in the USA); the library keeps its
// working files in DIR, never in the user's own folder.
// Exit status: 0 when every contact of every file was accepted, 1 when any was
// rejected or not read, 2 for a usage error or a library that does not start.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

// tqsllib ships no headers: the functions used here, as the library exports
// them. Every handle is an opaque pointer; 0 is success.
extern "C" {
int tqsl_init();
int tqsl_getVersion(int* major, int* minor);
int tqsl_getConfigVersion(int* major, int* minor);
const char* tqsl_getErrorString_v(int error);
int tqsl_getDXCCEntityName(int number, const char** name);
int tqsl_initStationLocationCapture(void** location);
int tqsl_endStationLocationCapture(void** location);
int tqsl_updateStationLocationCapture(void* location);
int tqsl_getNumLocationField(void* location, int* count);
int tqsl_getLocationFieldDataGABBI(void* location, int field, char* buffer,
                                   int size);
int tqsl_getNumLocationFieldListItems(void* location, int field, int* count);
int tqsl_getLocationFieldListItem(void* location, int field, int item,
                                  char* buffer, int size);
int tqsl_setLocationFieldIndex(void* location, int field, int item);
int tqsl_beginADIFConverter(void** converter, const char* filename,
                            void** certificates, int certificateCount,
                            void* location);
int tqsl_setConverterAllowDuplicates(void* converter, int allow);
const char* tqsl_getConverterGABBI(void* converter);
int tqsl_getConverterLine(void* converter, int* line);
const char* tqsl_getConverterRecordText(void* converter);
int tqsl_endConverter(void** converter);
// The library's last error number; most calls clear it when they start.
extern int tQSL_Error;
}

namespace {

// The DXCC entity number of the USA.
constexpr int kUsaEntity = 291;
// tqsllib's error "no callsign certificate" (33) with the bit (0x1000) that
// selects its message naming the call and entity of the contact: what a
// contact that passed every check ends with when nothing can sign it.
constexpr int kNoCertificateForContact = 0x1000 | 33;
// A converter that stops again and again at one line is not reading on.
constexpr int kMaxStopsOnOneLine = 3;

// A station location in the USA, without call: its DXCC entity is the one
// field the converter needs. Null when the library cannot make one.
void* MakeStationLocation() {
  const char* entityName = nullptr;
  void* location = nullptr;
  if (tqsl_getDXCCEntityName(kUsaEntity, &entityName) != 0 ||
      entityName == nullptr ||
      tqsl_initStationLocationCapture(&location) != 0) {
    return nullptr;
  }
  tqsl_updateStationLocationCapture(location);
  int fieldCount = 0;
  tqsl_getNumLocationField(location, &fieldCount);
  for (int field = 0; field < fieldCount; ++field) {
    char name[64] = "";
    tqsl_getLocationFieldDataGABBI(location, field, name, sizeof name);
    if (std::string_view(name) != "DXCC") continue;
    int itemCount = 0;
    tqsl_getNumLocationFieldListItems(location, field, &itemCount);
    for (int item = 0; item < itemCount; ++item) {
      char label[256] = "";
      tqsl_getLocationFieldListItem(location, field, item, label, sizeof label);
      if (std::string_view(label) == entityName &&
          tqsl_setLocationFieldIndex(location, field, item) == 0) {
        tqsl_updateStationLocationCapture(location);
        return location;
      }
    }
  }
  tqsl_endStationLocationCapture(&location);
  return nullptr;
}

// The number of <EOR> tags in `path`, upper or lower case; -1 if unreadable.
int CountRecords(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return -1;
  std::string text{std::istreambuf_iterator<char>(in),
                   std::istreambuf_iterator<char>()};
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  int count = 0;
  for (std::size_t at = text.find("<EOR>"); at != std::string::npos;
       at = text.find("<EOR>", at + 1)) {
    ++count;
  }
  return count;
}

// The first line of the converter's text of the current contact ("CALL: X").
std::string ContactLabel(void* converter) {
  const char* text = tqsl_getConverterRecordText(converter);
  std::string label = text == nullptr ? "" : text;
  label = label.substr(0, label.find('\n'));
  return label.empty() ? "no call" : label;
}

struct FileResult {
  int records = 0;
  int accepted = 0;
  int problems = 0;
};

FileResult CheckFile(const std::string& path, void* location) {
  FileResult result;
  result.records = CountRecords(path);
  void* converter = nullptr;
  if (result.records < 0 ||
      tqsl_beginADIFConverter(&converter, path.c_str(), nullptr, 0, location) !=
          0) {
    std::printf("%s: error: the converter cannot read the file\n",
                path.c_str());
    result.problems = 1;
    return result;
  }
  tqsl_setConverterAllowDuplicates(converter, 1);
  int lastLine = -1;
  int stopsOnLine = 0;
  for (;;) {
    const char* signable = tqsl_getConverterGABBI(converter);
    const int error = tQSL_Error;       // before any other call clears it
    if (signable != nullptr) continue;  // the converter's own header record
    if (error == 0) break;              // end of the file
    const std::string message = tqsl_getErrorString_v(error);
    int line = 0;
    tqsl_getConverterLine(converter, &line);
    if (error == kNoCertificateForContact) {
      ++result.accepted;
    } else {
      ++result.problems;
      std::printf("%s:%d: rejected: %s: %s\n", path.c_str(), line,
                  ContactLabel(converter).c_str(), message.c_str());
    }
    stopsOnLine = line == lastLine ? stopsOnLine + 1 : 1;
    lastLine = line;
    if (stopsOnLine >= kMaxStopsOnOneLine) {
      std::printf("%s:%d: error: the converter reads no further\n",
                  path.c_str(), line);
      ++result.problems;
      break;
    }
  }
  tqsl_endConverter(&converter);
  if (result.accepted + result.problems < result.records) {
    std::printf(
        "%s: error: the converter passed over %d of %d records\n", path.c_str(),
        result.records - result.accepted - result.problems, result.records);
    ++result.problems;
  }
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4 || std::string_view(argv[1]) != "--work-dir") {
    std::fprintf(stderr, "usage: check_adif_tqsl --work-dir DIR FILE...\n");
    return 2;
  }
  // The library's folder for its settings and databases.
  if (setenv("TQSLDIR", argv[2], 1) != 0 || tqsl_init() != 0) {
    std::fprintf(stderr, "check_adif_tqsl: tqsllib does not start: %s\n",
                 tqsl_getErrorString_v(tQSL_Error));
    return 2;
  }
  void* location = MakeStationLocation();
  if (location == nullptr) {
    std::fprintf(stderr,
                 "check_adif_tqsl: tqsllib makes no station location\n");
    return 2;
  }
  int records = 0;
  int accepted = 0;
  int problems = 0;
  const std::vector<std::string> files(argv + 3, argv + argc);
  for (const std::string& file : files) {
    const FileResult result = CheckFile(file, location);
    records += result.records > 0 ? result.records : 0;
    accepted += result.accepted;
    problems += result.problems;
  }
  tqsl_endStationLocationCapture(&location);
  int major = 0, minor = 0, configMajor = 0, configMinor = 0;
  tqsl_getVersion(&major, &minor);
  tqsl_getConfigVersion(&configMajor, &configMinor);
  std::printf(
      "check_adif_tqsl: tqsllib %d.%d, configuration %d.%d: %zu files, %d "
      "records, %d accepted, %d problems\n",
      major, minor, configMajor, configMinor, files.size(), records, accepted,
      problems);
  return problems == 0 && accepted == records ? 0 : 1;
}
