#include "database_bytes.h"

std::string RecordBody(const std::string& text) { return std::string(16, '\0') + text + '\0'; }

void SetNumber(std::string& bytes, std::size_t at, int width, std::uint32_t value) {
  for (int i = width - 1; i >= 0; --i, value >>= 8) bytes[at + i] = static_cast<char>(value & 0xFF);
}

std::size_t RecordListEntryAt(int k) { return 78 + 8 * static_cast<std::size_t>(k); }

std::string DatabaseBytes(const DatabaseLayout& layout) {
  std::string bytes = layout.nameField.substr(0, 32);
  bytes.resize(78, '\0');
  SetNumber(bytes, 36, 4, 858990197);
  SetNumber(bytes, 40, 4, 858990197);
  bytes.replace(60, 4, layout.type);
  bytes.replace(64, 4, layout.creator);
  SetNumber(bytes, 76, 2, static_cast<std::uint32_t>(layout.bodies.size()));
  if (layout.markedByTheHandheld) {
    SetNumber(bytes, 32, 2, 0x0008);       // backup bit
    SetNumber(bytes, 34, 2, 1);            // version
    SetNumber(bytes, 40, 4, 3900000000u);  // modified in 2027
    SetNumber(bytes, 44, 4, 3800000000u);  // backed up
    SetNumber(bytes, 48, 4, 17);           // modification number
    SetNumber(bytes, 68, 4, 0x00A000);     // unique ID seed
  }
  std::uint32_t offset = static_cast<std::uint32_t>(78 + 8 * layout.bodies.size() +
                                                    (layout.filler ? 2 : 0));
  for (std::size_t k = 0; k < layout.bodies.size(); ++k) {
    std::string entry(8, '\0');
    SetNumber(entry, 0, 4, offset);
    if (layout.markedByTheHandheld) SetNumber(entry, 4, 4, 0x40000000u | (0x9000 + k));
    bytes += entry;
    offset += static_cast<std::uint32_t>(layout.bodies[k].size());
  }
  if (layout.filler) bytes += std::string("\x8C\x00", 2);
  for (const std::string& body : layout.bodies) bytes += body;
  return bytes + layout.trailing;
}
