#include "app/command_bindings.h"

namespace {

constexpr std::array<CommandBinding, 26> kBindings{{
    {"ArchivioEsci", &App::_ArchivioEsci_Action},
    {"AppleInfosuVelqora", nullptr},
    {"ArchivioFormatopagina", nullptr},
    {"ArchivioStampa", nullptr},
    {"ArchivioPassword", nullptr},
    {"ArchivioImportaRubricaIndirizziMacOSX", nullptr},
    {"VisualizzazioneVistaCompleta", nullptr},
    {"VisualizzazioneNoteeCalendario", nullptr},
    {"VisualizzazioneSoltanonote", nullptr},
    {"VisualizzazioneListaContatti", nullptr},
    {"VisualizzazioneColorediSfondo", nullptr},
    {"VisualizzazioneRimuovicolore", nullptr},
    {"ArchivioSalvatuttiidatiadesso", nullptr},
    {"RipristinaTuttiidatisalvati", nullptr},
    {"RipristinaTuttelenote", nullptr},
    {"RipristinaTuttiicontatti", nullptr},
    {"EliminaTuttiidati", nullptr},
    {"EliminaTuttelenote", nullptr},
    {"EliminaTuttiicontatti", nullptr},
    {"EditPreferenze", nullptr},
    {"VisualizzazioneRiduciadicona", nullptr},
    {"EsportacometestoTuttelenote", nullptr},
    {"EsportacometestoSettenotemostrate", nullptr},
    {"EsportacometestoTuttiicontatti", nullptr},
    {"VisualizzazioneMassimizzaprimanota", nullptr},
    {"HelpUsefulinfo", nullptr},
}};

}  // namespace

const std::array<CommandBinding, 26>& CommandBindings() { return kBindings; }

void _ApplicationAddMenuHandlers() {
  App& app = TheApp();
  for (const CommandBinding& b : kBindings) {
    if (!b.handler) continue;
    app._AddMenuHandler(b.item, [&app, handler = b.handler] { return (app.*handler)(); });
  }
}
