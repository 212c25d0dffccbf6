#pragma once
// Property tables and property blobs.
//
// Every class has an ordered property table; a property's id is its position in the
// table of the object's class. A derived class's table is its base's followed by its
// own entries: Control 0x00-0x0d, RectControl 0x0e-0x1f, each visible control class
// from 0x20; ContextualMenu continues Control at 0x0e; Window, Timer and Thread have
// tables of their own; a timer or thread that is a window's PaneChild appends Index
// (0x04) and ownerWindow (0x05). Positions that no blob sets are in the tables too so
// that ids line up; entries whose meaning this framework does not model are named
// "(0xNN)" and are not settable.
//
// A blob is a run of entries with no header: a 2-byte big-endian id, then the value in
// the form the table gives: Boolean 1 byte (0 or 1), Int32 4 bytes big-endian two's
// complement, String a 4-byte big-endian length and that many UTF-8 bytes (line breaks
// are CR), Color 3 bytes red, green, blue. Object-typed entries never appear in blobs.
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <variant>
#include <vector>
#include "framework/graphics.h"
#include "framework/object.h"

namespace fw {

enum class PropertyType { Boolean, Int32, String, Color, Object };

// A property's value. Pictures appear only as read-back values of object properties.
using PropertyValue = std::variant<bool, int32_t, String, Color, Picture>;

struct Property {
  String name;
  PropertyType type;
  // The ordinary setter and getter; empty when the property cannot be set or read here.
  std::function<void(Object&, const PropertyValue&)> set;
  std::function<PropertyValue(const Object&)> get;
  // The Int32 values a blob may give; anything outside is rejected.
  int32_t least = INT32_MIN, most = INT32_MAX;
};

struct PropertyTable {
  String className;
  std::vector<Property> entries;  // position = id
};

// The table of the object's class (the nearest framework class it derives from).
const PropertyTable& PropertyTableOf(const Object& obj);
// The tables by class name ("Window", "Control", "RectControl", "Canvas", ...,
// "Timer", "Thread"); nullptr for an unknown name.
const PropertyTable* PropertyTableNamed(const String& className);

// A blob that cannot be applied. The message names the object; the object is left as
// it was (the whole blob is checked before anything is set).
struct BlobError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Applies a property blob: each entry through the property's ordinary setter, in blob
// order. Rejected with BlobError: a truncated entry, an id outside the class's table,
// an object-typed or unsettable entry, a Boolean byte other than 0 or 1, an Int32 outside
// its property's range (a control's position and size, a line's ends and width, a list's
// column count), a string length past the end, text that is not UTF-8. Never reads past
// the end.
// Counts one application on the object's window (the window itself, a control's window
// or a PaneChild's window).
void _SetProperties(Object& obj, const uint8_t* blob, size_t length);
void _SetProperties(Object& obj, const std::vector<uint8_t>& blob);

// One entry of a blob as decoded (for tests and tools).
struct BlobEntry {
  int id;
  PropertyValue value;
};
// Decodes without applying; throws BlobError as _SetProperties does.
std::vector<BlobEntry> DecodeBlob(const Object& obj, const uint8_t* blob, size_t length);

// Builds blob bytes. Strings are written with CR line breaks (LF and CRLF become CR).
class BlobWriter {
 public:
  BlobWriter& AddBoolean(int id, bool b);
  BlobWriter& AddInt32(int id, int32_t v);
  BlobWriter& AddString(int id, const String& s);
  BlobWriter& AddColor(int id, Color c);
  // By the form of the value (a Picture is rejected with BlobError).
  BlobWriter& Add(int id, const PropertyValue& v);
  const std::vector<uint8_t>& bytes() const { return bytes_; }

 private:
  void AddId(int id);
  std::vector<uint8_t> bytes_;
};

// Reading back through the getters.
std::optional<PropertyValue> GetProperty(const Object& obj, int id);
// The value as text: true/false, decimal numbers, #rrggbb (lower case), strings in
// double quotes with \r for CR, \n for LF, \" and \\ escaped, pictures as
// "picture WxH" or "none". nullopt when the entry has no getter.
std::optional<String> PropertyText(const Object& obj, int id);
String FormatPropertyValue(const PropertyValue& v);

}  // namespace fw
