#include "store/pictures.h"

#include <array>

namespace Globali {

namespace {

struct PictureResource {
  int number;
  int width, height;  // the placeholder's size: that of the controls showing the picture
  bool transparent;   // made transparent when loaded
};

constexpr int kFirst = 168;
constexpr std::array<PictureResource, 19> kPictures{{
    {168, 16, 16, false},    // p3est
    {169, 16, 16, false},    // p2pri
    {170, 16, 16, false},    // p1inv
    {171, 16, 16, false},    // cerca
    {172, 20, 20, false},    // c8
    {173, 20, 20, false},    // c7
    {174, 20, 20, false},    // c6
    {175, 20, 20, false},    // c5
    {176, 20, 20, false},    // c4
    {177, 20, 20, false},    // c3
    {178, 20, 20, false},    // c2
    {179, 20, 20, false},    // c1
    {180, 16, 11, false},    // busa
    {181, 16, 11, false},    // bita
    {182, 20, 100, false},   // c9
    {183, 16, 11, false},    // bfra
    {184, 38, 27, false},    // giorno
    {185, 248, 396, true},   // ombra
    {186, 103, 103, true},   // oroana
}};

// Loaded once and then held: every user shares the one picture object.
fw::Picture Held(int number) {
  static std::array<fw::Picture, kPictures.size()> slots;
  const size_t k = static_cast<size_t>(number - kFirst);
  fw::Picture& slot = slots[k];
  if (slot) return slot;
  const PictureResource& resource = kPictures[k];
  slot = fw::LoadPictureResource(resource.number, resource.width, resource.height);
  if (!slot) slot = fw::NewPicture(resource.width, resource.height, 32);
  if (resource.transparent) slot.SetTransparent(1);
  return slot;
}

}  // namespace

fw::Picture p3est() { return Held(168); }
fw::Picture p2pri() { return Held(169); }
fw::Picture p1inv() { return Held(170); }
fw::Picture cerca() { return Held(171); }
fw::Picture c8() { return Held(172); }
fw::Picture c7() { return Held(173); }
fw::Picture c6() { return Held(174); }
fw::Picture c5() { return Held(175); }
fw::Picture c4() { return Held(176); }
fw::Picture c3() { return Held(177); }
fw::Picture c2() { return Held(178); }
fw::Picture c1() { return Held(179); }
fw::Picture busa() { return Held(180); }
fw::Picture bita() { return Held(181); }
fw::Picture c9() { return Held(182); }
fw::Picture bfra() { return Held(183); }
fw::Picture giorno() { return Held(184); }
fw::Picture ombra() { return Held(185); }
fw::Picture oroana() { return Held(186); }

}  // namespace Globali
