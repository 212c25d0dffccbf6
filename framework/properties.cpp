// Property blobs: decoding, applying in blob order, encoding, and reading back.
#include "framework/properties.h"

#include <cstdio>
#include "framework/control.h"
#include "framework/events.h"
#include "framework/text.h"
#include "framework/window.h"

namespace fw {

namespace {

[[noreturn]] void Fail(const Object& obj, const String& problem, uint64_t at) {
  throw BlobError("property blob of " + DescribeObject(obj) + " (" + obj.ClassName() + "): " + problem +
                  " at byte " + std::to_string(at));
}

uint32_t ReadU32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | uint32_t{p[3]};
}

Window* WindowOf(Object& obj) {
  if (auto* w = dynamic_cast<Window*>(&obj)) return w;
  if (auto* c = dynamic_cast<Control*>(&obj)) return c->Window();
  if (auto* p = dynamic_cast<PaneChild*>(&obj)) return p->Window();
  return nullptr;
}

}  // namespace

std::vector<BlobEntry> DecodeBlob(const Object& obj, const uint8_t* blob, size_t length) {
  const PropertyTable& table = PropertyTableOf(obj);
  std::vector<BlobEntry> entries;
  uint64_t p = 0;
  const uint64_t end = length;
  // Every check compares in 64 bits: no length read from the blob can wrap around.
  auto need = [&](uint64_t n, const char* what) {
    if (end - p < n) Fail(obj, String("truncated ") + what, p);
  };
  while (p < end) {
    need(2, "property id");
    int id = (blob[p] << 8) | blob[p + 1];
    uint64_t idAt = p;
    p += 2;
    if (id >= static_cast<int>(table.entries.size())) {
      Fail(obj, "unknown property id " + std::to_string(id) + " for class " + table.className, idAt);
    }
    const Property& prop = table.entries[static_cast<size_t>(id)];
    if (prop.type == PropertyType::Object) Fail(obj, "object property " + prop.name + " in a blob", idAt);
    if (!prop.set) Fail(obj, "property " + prop.name + " cannot be set by a blob", idAt);
    PropertyValue value;
    switch (prop.type) {
      case PropertyType::Boolean:
        need(1, "Boolean");
        if (blob[p] > 1) Fail(obj, "Boolean byte " + std::to_string(blob[p]) + " for " + prop.name, p);
        value = blob[p] == 1;
        p += 1;
        break;
      case PropertyType::Int32: {
        need(4, "Int32");
        const auto v = static_cast<int32_t>(ReadU32(blob + p));
        if (v < prop.least || v > prop.most) Fail(obj, std::to_string(v) + " out of range for " + prop.name, p);
        value = v;
        p += 4;
        break;
      }
      case PropertyType::Color:
        need(3, "Color");
        value = Color{blob[p], blob[p + 1], blob[p + 2]};
        p += 3;
        break;
      case PropertyType::String: {
        need(4, "string length");
        uint64_t n = ReadU32(blob + p);
        if (end - p - 4 < n) Fail(obj, "string length " + std::to_string(n) + " past the end", p);
        String text(reinterpret_cast<const char*>(blob + p + 4), n);
        if (!IsValidUtf8(text)) Fail(obj, "text of " + prop.name + " is not UTF-8", p + 4);
        value = std::move(text);
        p += 4 + n;
        break;
      }
      case PropertyType::Object:
        break;
    }
    entries.push_back({id, std::move(value)});
  }
  return entries;
}

void _SetProperties(Object& obj, const uint8_t* blob, size_t length) {
  // All or nothing: a malformed blob changes nothing.
  std::vector<BlobEntry> entries = DecodeBlob(obj, blob, length);
  const PropertyTable& table = PropertyTableOf(obj);
  struct Applying {
    Object& obj;
    explicit Applying(Object& o) : obj(o) { obj._ApplyingProperties(true); }
    ~Applying() { obj._ApplyingProperties(false); }
  } applying(obj);
  for (const BlobEntry& e : entries) table.entries[static_cast<size_t>(e.id)].set(obj, e.value);
  if (Window* w = WindowOf(obj)) w->_CountBlobApplication();
}

void _SetProperties(Object& obj, const std::vector<uint8_t>& blob) { _SetProperties(obj, blob.data(), blob.size()); }

// --- BlobWriter --------------------------------------------------------------------------------

void BlobWriter::AddId(int id) {
  if (id < 0 || id > 0xffff) throw BlobError("property id " + std::to_string(id) + " does not fit in two bytes");
  bytes_.push_back(static_cast<uint8_t>(id >> 8));
  bytes_.push_back(static_cast<uint8_t>(id & 0xff));
}

BlobWriter& BlobWriter::AddBoolean(int id, bool b) {
  AddId(id);
  bytes_.push_back(b ? 1 : 0);
  return *this;
}

BlobWriter& BlobWriter::AddInt32(int id, int32_t v) {
  AddId(id);
  auto u = static_cast<uint32_t>(v);
  for (int shift = 24; shift >= 0; shift -= 8) bytes_.push_back(static_cast<uint8_t>(u >> shift));
  return *this;
}

BlobWriter& BlobWriter::AddString(int id, const String& s) {
  const String text = LinesToCR(s);
  AddInt32(id, static_cast<int32_t>(text.size()));
  bytes_.insert(bytes_.end(), text.begin(), text.end());
  return *this;
}

BlobWriter& BlobWriter::AddColor(int id, Color c) {
  AddId(id);
  bytes_.push_back(c.r);
  bytes_.push_back(c.g);
  bytes_.push_back(c.b);
  return *this;
}

BlobWriter& BlobWriter::Add(int id, const PropertyValue& v) {
  if (auto* b = std::get_if<bool>(&v)) return AddBoolean(id, *b);
  if (auto* i = std::get_if<int32_t>(&v)) return AddInt32(id, *i);
  if (auto* s = std::get_if<String>(&v)) return AddString(id, *s);
  if (auto* c = std::get_if<Color>(&v)) return AddColor(id, *c);
  throw BlobError("a picture cannot be written into a property blob");
}

// --- Reading back ---------------------------------------------------------------------------------

std::optional<PropertyValue> GetProperty(const Object& obj, int id) {
  const PropertyTable& table = PropertyTableOf(obj);
  if (id < 0 || id >= static_cast<int>(table.entries.size())) return std::nullopt;
  const Property& prop = table.entries[static_cast<size_t>(id)];
  if (!prop.get) return std::nullopt;
  return prop.get(obj);
}

String FormatPropertyValue(const PropertyValue& v) {
  if (auto* b = std::get_if<bool>(&v)) return *b ? "true" : "false";
  if (auto* i = std::get_if<int32_t>(&v)) return std::to_string(*i);
  if (auto* c = std::get_if<Color>(&v)) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c->r, c->g, c->b);
    return buf;
  }
  if (auto* p = std::get_if<Picture>(&v)) {
    return p->IsNull() ? "none" : "picture " + std::to_string(p->Width()) + "x" + std::to_string(p->Height());
  }
  const String& s = std::get<String>(v);
  String out = "\"";
  for (unsigned char ch : s) {
    switch (ch) {
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      default:
        if (ch < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\x%02x", ch);
          out += buf;
        } else {
          out += static_cast<char>(ch);
        }
    }
  }
  return out + "\"";
}

std::optional<String> PropertyText(const Object& obj, int id) {
  auto v = GetProperty(obj, id);
  if (!v) return std::nullopt;
  return FormatPropertyValue(*v);
}

}  // namespace fw
