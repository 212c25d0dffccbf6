#include "app/command_bindings.h"

namespace {

constexpr std::array<CommandBinding, 26> kBindings{{
    {"ArchivioEsci", &App::_ArchivioEsci_Action},
    {"AppleInfosuVelqora", &App::_AppleInfosuVelqora_Action},
    {"ArchivioFormatopagina", &App::_ArchivioFormatopagina_Action},
    {"ArchivioStampa", &App::_ArchivioStampa_Action},
    {"ArchivioPassword", &App::_ArchivioPassword_Action},
    {"ArchivioImportaRubricaIndirizziMacOSX", &App::_ArchivioImportaRubricaIndirizziMacOSX_Action},
    {"VisualizzazioneVistaCompleta", &App::_VisualizzazioneVistaCompleta_Action},
    {"VisualizzazioneNoteeCalendario", &App::_VisualizzazioneNoteeCalendario_Action},
    {"VisualizzazioneSoltanonote", &App::_VisualizzazioneSoltanonote_Action},
    {"VisualizzazioneListaContatti", &App::_VisualizzazioneListaContatti_Action},
    {"VisualizzazioneColorediSfondo", &App::_VisualizzazioneColorediSfondo_Action},
    {"VisualizzazioneRimuovicolore", &App::_VisualizzazioneRimuovicolore_Action},
    {"ArchivioSalvatuttiidatiadesso", &App::_ArchivioSalvatuttiidatiadesso_Action},
    {"RipristinaTuttiidatisalvati", &App::_RipristinaTuttiidatisalvati_Action},
    {"RipristinaTuttelenote", &App::_RipristinaTuttelenote_Action},
    {"RipristinaTuttiicontatti", &App::_RipristinaTuttiicontatti_Action},
    {"EliminaTuttiidati", &App::_EliminaTuttiidati_Action},
    {"EliminaTuttelenote", &App::_EliminaTuttelenote_Action},
    {"EliminaTuttiicontatti", &App::_EliminaTuttiicontatti_Action},
    {"EditPreferenze", &App::_EditPreferenze_Action},
    {"VisualizzazioneRiduciadicona", &App::_VisualizzazioneRiduciadicona_Action},
    {"EsportacometestoTuttelenote", &App::_EsportacometestoTuttelenote_Action},
    {"EsportacometestoSettenotemostrate", &App::_EsportacometestoSettenotemostrate_Action},
    {"EsportacometestoTuttiicontatti", &App::_EsportacometestoTuttiicontatti_Action},
    {"VisualizzazioneMassimizzaprimanota", &App::_VisualizzazioneMassimizzaprimanota_Action},
    {"HelpUsefulinfo", &App::_HelpUsefulinfo_Action},
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
