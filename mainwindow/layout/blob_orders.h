#pragma once
// The order of the entries in a blob, per class: every blob of a class lists the same
// ids in the same order, each once. A line's blob carries no help, enabled, lock or
// AutoDeactivate entries; the timer's and the threads' no name and no index.
#include <span>
#include "mainwindow/layout/design_records.h"
#include "mainwindow/layout/property_ids.h"

namespace fin_main::layout {

using BlobOrder = std::span<const int>;

namespace blob_order {
namespace c = ids::control;

inline constexpr int Window[] = {
    ids::window::Placement, ids::window::Width, ids::window::Height,
    ids::window::MinWidth, ids::window::MinHeight, ids::window::MaxWidth,
    ids::window::MaxHeight, ids::window::Frame, ids::window::Composite,
    ids::window::HasBackColor, ids::window::BackColor, ids::window::Title,
    ids::window::Visible, ids::window::FullScreen, ids::window::MenuBarVisible,
    ids::window::CloseButton, ids::window::Resizeable, ids::window::LiveResize,
    ids::window::MaximizeButton, ids::window::MinimizeButton, ids::window::BalloonHelp,
    ids::window::MacProcId};

inline constexpr int Canvas[] = {
    c::Name, c::Index, c::Left, c::Top, c::Width, c::Height,
    c::LockLeft, c::LockTop, c::LockRight, c::LockBottom, c::TabPanelIndex,
    c::Visible, c::HelpTag, c::AutoDeactivate, c::Enabled,
    ids::canvas::UseFocusRing, ids::canvas::AcceptFocus, ids::canvas::AcceptTabs,
    ids::canvas::EraseBackground,
    c::InitialParent};

inline constexpr int Rectangle[] = {
    c::Name, c::Index, c::Left, c::Top, c::Width, c::Height,
    c::LockLeft, c::LockTop, c::LockRight, c::LockBottom, c::TabPanelIndex,
    c::Visible, c::HelpTag, c::AutoDeactivate, c::Enabled,
    ids::rectangle::FillColor, ids::rectangle::BorderWidth, ids::rectangle::TopLeftColor,
    ids::rectangle::BottomRightColor,
    c::InitialParent};

inline constexpr int Oval[] = {
    c::Name, c::Index, c::Left, c::Top, c::Width, c::Height,
    c::LockLeft, c::LockTop, c::LockRight, c::LockBottom, c::TabPanelIndex,
    c::Visible, c::HelpTag, c::AutoDeactivate, c::Enabled,
    ids::oval::FillColor, ids::oval::BorderWidth, ids::oval::BorderColor,
    c::InitialParent};

// Top before Left.
inline constexpr int Line[] = {
    c::Name, c::Index, c::Top, c::Left, c::Width, c::Height,
    ids::line::X1, ids::line::X2, ids::line::Y1, ids::line::Y2,
    c::TabPanelIndex, c::Visible,
    ids::line::BorderWidth, ids::line::LineColor,
    c::InitialParent};

inline constexpr int StaticText[] = {
    c::Name, c::Index, c::Left, c::Top, c::Width, c::Height,
    c::LockLeft, c::LockTop, c::LockRight, c::LockBottom, c::TabPanelIndex,
    ids::static_text::Text, ids::static_text::TextAlign, ids::static_text::TextColor,
    ids::static_text::MultiLine,
    c::Enabled, c::Visible, c::HelpTag, c::AutoDeactivate,
    ids::static_text::TextFont, ids::static_text::TextSize, ids::static_text::Bold,
    ids::static_text::Italic, ids::static_text::Underline,
    ids::static_text::DataSource, ids::static_text::DataField,
    c::InitialParent};

inline constexpr int EditField[] = {
    c::Name, c::Index, c::Left, c::Top, c::Width, c::Height,
    c::LockLeft, c::LockTop, c::LockRight, c::LockBottom, c::TabPanelIndex,
    ids::edit_field::Border, ids::edit_field::MultiLine,
    ids::edit_field::ScrollBarHorizontal, ids::edit_field::ScrollBarVertical,
    ids::edit_field::Styled, ids::edit_field::Password, ids::edit_field::UseFocusRing,
    ids::edit_field::TextColor, ids::edit_field::BackColor,
    c::Enabled, ids::edit_field::Format,
    c::Visible, c::HelpTag, c::AutoDeactivate,
    ids::edit_field::TextFont, ids::edit_field::TextSize, ids::edit_field::Bold,
    ids::edit_field::Italic, ids::edit_field::Underline,
    ids::edit_field::Text, ids::edit_field::Mask, ids::edit_field::ReadOnly,
    ids::edit_field::LimitText, ids::edit_field::AcceptTabs, ids::edit_field::Alignment,
    ids::edit_field::DataSource, ids::edit_field::DataField,
    c::InitialParent};

inline constexpr int PushButton[] = {
    c::Name, c::Index, c::Left, c::Top, c::Width, c::Height,
    c::LockLeft, c::LockTop, c::LockRight, c::LockBottom, c::TabPanelIndex,
    ids::push_button::Caption, ids::push_button::Default, ids::push_button::Cancel,
    c::Enabled, c::Visible, c::HelpTag, c::AutoDeactivate,
    ids::push_button::TextFont, ids::push_button::TextSize, ids::push_button::Bold,
    ids::push_button::Italic, ids::push_button::Underline,
    c::InitialParent};

inline constexpr int RadioButton[] = {
    c::Name, c::Index, c::Left, c::Top, c::Width, c::Height,
    c::LockLeft, c::LockTop, c::LockRight, c::LockBottom, c::TabPanelIndex,
    ids::radio_button::Caption,
    c::Enabled, c::Visible, c::HelpTag, c::AutoDeactivate,
    ids::radio_button::TextFont, ids::radio_button::TextSize, ids::radio_button::Bold,
    ids::radio_button::Italic, ids::radio_button::Underline,
    ids::radio_button::Value,
    c::InitialParent};

// InitialParent comes before Visible here.
inline constexpr int BevelButton[] = {
    c::Name, c::Index, c::Left, c::Top, c::Width, c::Height,
    c::LockLeft, c::LockTop, c::LockRight, c::LockBottom, c::TabPanelIndex,
    c::InitialParent,
    c::Visible, c::HelpTag, c::AutoDeactivate, c::Enabled,
    ids::bevel_button::Caption, ids::bevel_button::CaptionAlign,
    ids::bevel_button::CaptionPlacement, ids::bevel_button::CaptionDelta,
    ids::bevel_button::IconAlign, ids::bevel_button::IconDX, ids::bevel_button::IconDY,
    ids::bevel_button::Bevel, ids::bevel_button::HasMenu, ids::bevel_button::Value,
    ids::bevel_button::MenuValue, ids::bevel_button::ButtonType,
    ids::bevel_button::AcceptFocus,
    ids::bevel_button::TextFont, ids::bevel_button::TextSize, ids::bevel_button::Bold,
    ids::bevel_button::Italic, ids::bevel_button::Underline};

inline constexpr int Listbox[] = {
    c::Name, c::Index, c::Left, c::Top, c::Width, c::Height,
    c::LockLeft, c::LockTop, c::LockRight, c::LockBottom, c::TabPanelIndex,
    c::Visible, c::HelpTag, c::AutoDeactivate, c::Enabled,
    ids::listbox::ColumnCount, ids::listbox::ColumnWidths, ids::listbox::HasHeading,
    ids::listbox::UseFocusRing, ids::listbox::InitialValue, ids::listbox::HeadingIndex,
    ids::listbox::ScrollBarHorizontal, ids::listbox::ScrollBarVertical,
    ids::listbox::GridLinesHorizontal, ids::listbox::GridLinesVertical,
    ids::listbox::DefaultRowHeight, ids::listbox::ScrollWidth, ids::listbox::ScrollOffset,
    ids::listbox::TextFont, ids::listbox::TextSize, ids::listbox::Bold,
    ids::listbox::Italic, ids::listbox::Underline,
    ids::listbox::Hierarchical, ids::listbox::EnableDrag, ids::listbox::EnableDragReorder,
    ids::listbox::RequiresSelection, ids::listbox::SelectionType,
    ids::listbox::ColumnsResizable, ids::listbox::AutoHideScrollbars,
    ids::listbox::DataSource, ids::listbox::DataField,
    c::InitialParent};

inline constexpr int ProgressBar[] = {
    c::Name, c::Index, c::Left, c::Top, c::Width, c::Height,
    c::LockLeft, c::LockTop, c::LockRight, c::LockBottom, c::TabPanelIndex,
    c::Visible, c::HelpTag, c::AutoDeactivate, c::Enabled,
    ids::progress_bar::Value, ids::progress_bar::Maximum,
    c::InitialParent};

inline constexpr int ContextualMenu[] = {
    c::Name, c::Index, ids::contextual_menu::UseMacCMM, c::TabPanelIndex};

inline constexpr int Timer[] = {ids::timer::Mode, ids::timer::Period};

inline constexpr int Thread[] = {ids::thread::Priority, ids::thread::StackSize};

}  // namespace blob_order

// The order of each record's class.
constexpr BlobOrder OrderOf(const WindowDesign&) { return blob_order::Window; }
constexpr BlobOrder OrderOf(const CanvasDesign&) { return blob_order::Canvas; }
constexpr BlobOrder OrderOf(const RectangleDesign&) { return blob_order::Rectangle; }
constexpr BlobOrder OrderOf(const OvalDesign&) { return blob_order::Oval; }
constexpr BlobOrder OrderOf(const LineDesign&) { return blob_order::Line; }
constexpr BlobOrder OrderOf(const StaticTextDesign&) { return blob_order::StaticText; }
constexpr BlobOrder OrderOf(const EditFieldDesign&) { return blob_order::EditField; }
constexpr BlobOrder OrderOf(const PushButtonDesign&) { return blob_order::PushButton; }
constexpr BlobOrder OrderOf(const RadioButtonDesign&) { return blob_order::RadioButton; }
constexpr BlobOrder OrderOf(const BevelButtonDesign&) { return blob_order::BevelButton; }
constexpr BlobOrder OrderOf(const ListboxDesign&) { return blob_order::Listbox; }
constexpr BlobOrder OrderOf(const ProgressBarDesign&) { return blob_order::ProgressBar; }
constexpr BlobOrder OrderOf(const ContextualMenuDesign&) { return blob_order::ContextualMenu; }
constexpr BlobOrder OrderOf(const TimerDesign&) { return blob_order::Timer; }
constexpr BlobOrder OrderOf(const ThreadDesign&) { return blob_order::Thread; }

}  // namespace fin_main::layout
