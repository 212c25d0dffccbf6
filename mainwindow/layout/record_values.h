#pragma once
// What each design record gives for a property of its class: the value, in the form
// the class's property table gives, that the record's blob carries under that id.
// Asking a record for an id its class's blobs do not carry is a programming error
// (std::logic_error).
#include "framework/properties.h"
#include "mainwindow/layout/design_records.h"

namespace fin_main::layout {

fw::PropertyValue ValueOf(const WindowDesign& d, int id);
fw::PropertyValue ValueOf(const CanvasDesign& d, int id);
fw::PropertyValue ValueOf(const RectangleDesign& d, int id);
fw::PropertyValue ValueOf(const OvalDesign& d, int id);
fw::PropertyValue ValueOf(const LineDesign& d, int id);
fw::PropertyValue ValueOf(const StaticTextDesign& d, int id);
fw::PropertyValue ValueOf(const EditFieldDesign& d, int id);
fw::PropertyValue ValueOf(const PushButtonDesign& d, int id);
fw::PropertyValue ValueOf(const RadioButtonDesign& d, int id);
fw::PropertyValue ValueOf(const BevelButtonDesign& d, int id);
fw::PropertyValue ValueOf(const ListboxDesign& d, int id);
fw::PropertyValue ValueOf(const ProgressBarDesign& d, int id);
fw::PropertyValue ValueOf(const ContextualMenuDesign& d, int id);
fw::PropertyValue ValueOf(const TimerDesign& d, int id);
fw::PropertyValue ValueOf(const ThreadDesign& d, int id);

}  // namespace fin_main::layout
