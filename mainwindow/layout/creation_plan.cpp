// The creation plan, written in creation order, and the one routine that carries out a
// member's creation steps.
#include "mainwindow/layout/creation_plan.h"

#include <type_traits>
#include <utility>

#include "framework/controls.h"
#include "framework/properties.h"
#include "mainwindow/layout/designs.h"
#include "mainwindow/layout/member_classes.h"
#include "store/pictures.h"

namespace fin_main::layout {
namespace {

// Appends members to the plan; the returned reference adds a member's picture and
// bindings.
class PlanBuilder {
 public:
  class Entry {
   public:
    explicit Entry(MemberPlan& plan) : plan_(plan) {}
    Entry& Backdrop(fw::Picture (*picture)()) {
      plan_.picture = PicturePlan{PictureProperty::Backdrop, picture};
      return *this;
    }
    Entry& Icon(fw::Picture (*picture)()) {
      plan_.picture = PicturePlan{PictureProperty::Icon, picture};
      return *this;
    }
    Entry& On(const char* event, HandlerMethod handler) {
      plan_.events.push_back({event, handler});
      return *this;
    }

   private:
    MemberPlan& plan_;
  };

  // A control from its design: a framework class is built with its own constructor, a
  // window array class with the element's index.
  template <class Member, class Design>
  Entry Add(const Design& d) {
    std::function<std::unique_ptr<fw::Object>()> make;
    if constexpr (std::is_constructible_v<Member, int32_t>) {
      make = [index = d.index] { return std::make_unique<Member>(index); };
    } else {
      make = [] { return std::make_unique<Member>(); };
    }
    return Push(d.name, d.index, std::move(make), Encode(d));
  }

  // A non-visual member: its blob names it not; the window adds it under `name`.
  template <class Member, class Design>
  Entry AddNamed(const char* name, const Design& d) {
    return Push(name, fw::kNoArrayIndex, [] { return std::make_unique<Member>(); }, Encode(d));
  }

  std::vector<MemberPlan> Take() { return std::move(plan_); }

 private:
  Entry Push(fw::String name, int32_t index, std::function<std::unique_ptr<fw::Object>()> make,
             Blob blob) {
    MemberPlan& m = plan_.emplace_back();
    m.position = static_cast<int>(plan_.size());
    m.name = std::move(name);
    m.index = index;
    m.make = std::move(make);
    m.blob = std::move(blob);
    return Entry(m);
  }
  std::vector<MemberPlan> plan_;
};

// The season pictures of the month buttons: winter December to February, summer June
// to August, spring (also for autumn) the rest.
fw::Picture (*SeasonPicture(int32_t month))() {
  if (month == 12 || month <= 2) return Globali::p1inv;
  if (month >= 6 && month <= 8) return Globali::p3est;
  return Globali::p2pri;
}

// The contact icons: element i shows picture c(i + 1).
fw::Picture (*ContactIcon(int32_t i))() {
  static constexpr fw::Picture (*kIcons[9])() = {Globali::c1, Globali::c2, Globali::c3,
                                                 Globali::c4, Globali::c5, Globali::c6,
                                                 Globali::c7, Globali::c8, Globali::c9};
  return kIcons[i];
}

fw::Picture (*Flag(int32_t language))() {
  static constexpr fw::Picture (*kFlags[3])() = {Globali::busa, Globali::bita, Globali::bfra};
  return kFlags[language - 1];
}

std::vector<MemberPlan> BuildPlan() {
  using W = Window;
  static constexpr void (W::*kPushButtonActions[5])(fw::Object&) = {
      &W::PushButton1_Action, &W::PushButton2_Action, &W::PushButton3_Action,
      &W::PushButton4_Action, &W::PushButton5_Action};
  PlanBuilder b;

  // _CreateControls0: positions 1..50.
  b.Add<fw::Canvas>(Canvas1());
  b.Add<fw::Canvas>(Rectangle7()).Backdrop(Globali::ombra);
  b.Add<fw::Canvas>(Rectangle6()).Backdrop(Globali::ombra);
  b.Add<fw::Canvas>(Rectangle5()).Backdrop(Globali::ombra);
  for (int n = 1; n <= 5; ++n)
    b.Add<fw::PushButton>(PushButton(n)).On("Action", kPushButtonActions[n - 1]);
  for (int32_t language : {1, 3, 2})
    b.Add<fin_main::RadioBlingua>(RadioBlingua(language)).On("Action", &W::RadioBlingua_Action);
  b.Add<fw::Rectangle>(Rectangle3());
  b.Add<fw::Rectangle>(Rectangle8());
  b.Add<fw::Rectangle>(Rectangle1());
  b.Add<fin_main::nota_campo>(nota_campo(0))
      .On("MouseDown", &W::nota_campo_MouseDown)
      .On("TextChange", &W::nota_campo_TextChange)
      .On("LostFocus", &W::nota_campo_LostFocus)
      .On("KeyDown", &W::nota_campo_KeyDown);
  b.Add<fw::EditField>(cerca_campo()).On("KeyDown", &W::cerca_campo_KeyDown);
  b.Add<fw::StaticText>(contatti_label());
  b.Add<fw::Line>(Line4());
  b.Add<fw::Rectangle>(Rectangle2());
  b.Add<fw::Line>(Line16());
  for (int32_t i = 0; i <= 6; ++i) b.Add<fin_main::day_testo>(day_testo(i));
  for (int32_t month = 1; month <= 12; ++month)
    b.Add<fin_main::mese_scegli>(mese_scegli(month))
        .Icon(SeasonPicture(month))
        .On("Action", &W::mese_scegli_Action);
  b.Add<fw::Line>(Line1());
  b.Add<fw::StaticText>(mese_label());
  b.Add<fw::StaticText>(calendario_label());
  b.Add<fw::StaticText>(oggi_testo());
  for (int32_t n = 1; n <= 6; ++n) b.Add<fw::StaticText>(StaticText(n));

  // _CreateControls1: positions 51..100.
  b.Add<fw::StaticText>(StaticText(7));
  for (int32_t n = 5; n <= 15; ++n) b.Add<fw::Line>(GridLine(n));
  b.Add<fw::Line>(Line17());
  for (int32_t i = 0; i <= 7; ++i)
    b.Add<fin_main::statex>(statex(i)).On("MouseDown", &W::statex_MouseDown);
  b.Add<fw::PushButton>(bott_prec()).On("Action", &W::bott_prec_Action);
  b.Add<fw::PushButton>(bott_succ()).On("Action", &W::bott_succ_Action);
  b.Add<fw::PushButton>(bott_crea()).On("Action", &W::bott_crea_Action);
  b.Add<fw::PushButton>(bott_elim()).On("Action", &W::bott_elim_Action);
  for (int32_t i = 7; i <= 20; ++i) b.Add<fin_main::day_testo>(day_testo(i));
  b.Add<fw::BevelButton>(bott_cerca()).Icon(Globali::cerca).On("Action", &W::bott_cerca_Action);
  for (int32_t i = 0; i <= 7; ++i)
    b.Add<fin_main::Canvasic>(Canvasic(i)).Backdrop(ContactIcon(i)).On("MouseDown", &W::Canvasic_MouseDown);
  for (int32_t language : {1, 3})
    b.Add<fin_main::Canvalingua>(Canvalingua(language))
        .Backdrop(Flag(language))
        .On("MouseDown", &W::Canvalingua_MouseDown);

  // _CreateControls2: positions 101..150.
  b.Add<fw::ContextualMenu>(ContextualMenu1()).On("Action", &W::ContextualMenu1_Action);
  b.Add<fin_main::statex>(statex(8)).On("MouseDown", &W::statex_MouseDown);
  b.Add<fw::Listbox>(ListBox1())
      .On("SortColumn", &W::ListBox1_SortColumn)
      .On("CellClick", &W::ListBox1_CellClick);
  b.Add<fin_main::Canvasic>(Canvasic(8)).Backdrop(ContactIcon(8)).On("MouseDown", &W::Canvasic_MouseDown);
  for (int32_t cell = 0; cell <= 41; ++cell) b.Add<fin_main::segnanota>(segnanota(cell));
  for (int32_t cell = 7; cell <= 10; ++cell)
    b.Add<fin_main::cal_day>(cal_day(cell)).On("MouseDown", &W::cal_day_MouseDown);

  // _CreateControls3: positions 151..200.
  for (int32_t cell = 11; cell <= 41; ++cell)
    b.Add<fin_main::cal_day>(cal_day(cell)).On("MouseDown", &W::cal_day_MouseDown);
  for (int32_t cell = 0; cell <= 6; ++cell)
    b.Add<fin_main::cal_day>(cal_day(cell)).On("MouseDown", &W::cal_day_MouseDown);
  b.Add<fin_main::Canvalingua>(Canvalingua(2)).Backdrop(Flag(2)).On("MouseDown", &W::Canvalingua_MouseDown);
  b.Add<fw::Canvas>(segnapuntato()).Backdrop(Globali::giorno);
  b.AddNamed<fin_main::Timer1>("Timer1", layout::Timer1()).On("Action", &W::Timer1_Action);
  b.Add<fw::ProgressBar>(ProgressBar1());
  for (int32_t row = 1; row <= 6; ++row)
    b.Add<fin_main::nota_campo>(nota_campo(row))
        .On("MouseDown", &W::nota_campo_MouseDown)
        .On("TextChange", &W::nota_campo_TextChange)
        .On("LostFocus", &W::nota_campo_LostFocus)
        .On("KeyDown", &W::nota_campo_KeyDown);
  for (int32_t j = 0; j <= 1; ++j)
    b.Add<fin_main::contatto_campo>(contatto_campo(j))
        .On("TextChange", &W::contatto_campo_TextChange)
        .On("KeyDown", &W::contatto_campo_KeyDown);

  // _CreateControls4: positions 201..215.
  for (int32_t j = 2; j <= 9; ++j)
    b.Add<fin_main::contatto_campo>(contatto_campo(j))
        .On("TextChange", &W::contatto_campo_TextChange)
        .On("KeyDown", &W::contatto_campo_KeyDown);
  for (const char* label : {"ENG", "ITA", "FRA"}) b.Add<fw::StaticText>(LanguageLabel(label));
  b.Add<fin_main::RadioBlingua>(RadioBlingua(4)).On("Action", &W::RadioBlingua_Action);
  b.Add<fw::StaticText>(LanguageLabel("CUS"));
  b.AddNamed<fin_main::trovasveglia>("trovasveglia", AlarmThread());
  b.AddNamed<fin_main::timerizza>("timerizza", AlarmThread());
  return b.Take();
}

CreationObserver& Observer() {
  static CreationObserver observer;
  return observer;
}

void Report(const fw::String& step, const fw::Object& member) {
  if (Observer()) Observer()(step, member);
}

fw::Object& Find(const Window& w, const MemberPlan& m) {
  fw::Object* o = m.index == fw::kNoArrayIndex ? w.ControlByName(m.name)
                                               : w.ControlByNameIndex(m.name, m.index);
  if (!o) throw fw::NilObjectException();
  return *o;
}

template <class R, class... A>
fw::EventHandler BindMethod(Window& w, R (Window::*method)(fw::Object&, A...)) {
  return fw::MakeEventHandler(
      [&w, method](fw::Object& sender, A... args) -> R { return (w.*method)(sender, args...); });
}

void SetPicture(fw::Object& member, const PicturePlan& p) {
  if (p.property == PictureProperty::Backdrop)
    dynamic_cast<fw::Canvas&>(member).SetBackdrop(p.picture());
  else
    dynamic_cast<fw::BevelButton&>(member).SetIcon(p.picture());
}

void CreateMember(Window& w, const MemberPlan& m) {
  Report("add", w._AddControl(m.name, m.make()));
  if (m.picture) {
    fw::Object& member = Find(w, m);
    SetPicture(member, *m.picture);
    Report("picture", member);
  }
  fw::Object& member = Find(w, m);
  fw::_SetProperties(member, m.blob);
  Report("blob", member);
  for (const EventPlan& e : m.events) {
    fw::Object& bound = Find(w, m);
    w._InstallInstanceEventHandler(
        bound, e.event, std::visit([&w](auto method) { return BindMethod(w, method); }, e.handler));
    Report("bind " + e.event, bound);
  }
}

}  // namespace

const std::vector<MemberPlan>& CreationPlan() {
  static const std::vector<MemberPlan> plan = BuildPlan();
  return plan;
}

void CreateMembers(Window& window, int first, int last) {
  const auto& plan = CreationPlan();
  for (int position = first; position <= last; ++position)
    CreateMember(window, plan.at(static_cast<size_t>(position - 1)));
}

void SetCreationObserverForTesting(CreationObserver observer) { Observer() = std::move(observer); }

}  // namespace fin_main::layout
