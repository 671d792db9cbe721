"use strict";
// A zip archive of files stored as they are (no compression): what the page
// offers when several files were converted. Names are UTF-8 (flag bit 11);
// every entry carries the same fixed time, 1980-01-01 00:00, so the same
// files always give the same archive. At most 65535 entries and 4 GiB: far
// beyond what a page converts at once.
const storedZip = (function () {
  const crcTable = new Uint32Array(256);
  for (let n = 0; n < 256; ++n) {
    let c = n;
    for (let k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    crcTable[n] = c >>> 0;
  }

  function crc32(bytes) {
    let crc = 0xffffffff;
    for (let i = 0; i < bytes.length; ++i) crc = crcTable[(crc ^ bytes[i]) & 0xff] ^ (crc >>> 8);
    return (crc ^ 0xffffffff) >>> 0;
  }

  const dosDate = (1 << 5) | 1;  // 1980-01-01
  const utf8Names = 0x0800;

  // The fields every header shares: version needed, flags, method (stored),
  // time, date, CRC-32, sizes and name length.
  function commonFields(view, at, entry) {
    view.setUint16(at, 20, true);
    view.setUint16(at + 2, utf8Names, true);
    view.setUint16(at + 4, 0, true);
    view.setUint16(at + 6, 0, true);
    view.setUint16(at + 8, dosDate, true);
    view.setUint32(at + 10, entry.crc, true);
    view.setUint32(at + 14, entry.bytes.length, true);
    view.setUint32(at + 18, entry.bytes.length, true);
    view.setUint16(at + 22, entry.name.length, true);
    view.setUint16(at + 24, 0, true);  // extra field length
  }

  // The archive of |files| ([{name, bytes}], names unique), in their order.
  return function (files) {
    const encoder = new TextEncoder();
    const entries = files.map((file) => ({ name: encoder.encode(file.name), bytes: file.bytes,
                                          crc: crc32(file.bytes), offset: 0 }));
    let size = 22;
    for (const entry of entries) size += 30 + 46 + 2 * entry.name.length + entry.bytes.length;
    const zip = new Uint8Array(size);
    const view = new DataView(zip.buffer);
    let at = 0;
    for (const entry of entries) {
      entry.offset = at;
      view.setUint32(at, 0x04034b50, true);
      commonFields(view, at + 4, entry);
      zip.set(entry.name, at + 30);
      zip.set(entry.bytes, at + 30 + entry.name.length);
      at += 30 + entry.name.length + entry.bytes.length;
    }
    const directory = at;
    for (const entry of entries) {
      view.setUint32(at, 0x02014b50, true);
      view.setUint16(at + 4, 20, true);  // made by: MS-DOS, version 2.0
      commonFields(view, at + 6, entry);
      // Comment length, disk, internal and external attributes stay 0.
      view.setUint32(at + 42, entry.offset, true);
      zip.set(entry.name, at + 46);
      at += 46 + entry.name.length;
    }
    view.setUint32(at, 0x06054b50, true);
    view.setUint16(at + 8, entries.length, true);
    view.setUint16(at + 10, entries.length, true);
    view.setUint32(at + 12, at - directory, true);
    view.setUint32(at + 16, directory, true);
    return zip;
  };
})();
