#include "app/file_types.h"

namespace FileTypes {

FileType pTextPlain;
FileType pSpecialAny;

namespace {

FileType Make(const char* name, const char* extensions, const char* macType, const char* macCreator) {
  FileType t;
  t.Name = name;
  t.Extensions = extensions;
  t.MacType = macType;
  t.MacCreator = macCreator;
  return t;
}

}  // namespace

void _Initialize() {
  pTextPlain = Make("text/plain",
                    ".asc;.ascii;.bas;.c;.class;.cp;.cpp;.h;.hp;.hpp;.i3;.java;.m2;.m3;.mak;.text;.txt",
                    "TEXT", "????");
  pSpecialAny = Make("special/any", "", "????", "????");
}

}  // namespace FileTypes
