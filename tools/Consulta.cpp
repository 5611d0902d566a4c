#include "tools/Consulta.h"

namespace auguron {

void teclear(Velmo& velmo, PlataformaGuion& plataforma, Control caja, std::string_view teclas) {
    for (const char t : teclas) {
        int k = static_cast<unsigned char>(t);
        std::string& texto = plataforma.controles[caja].texto;
        if (caja == Control::txtPeticion) {
            velmo.txtPeticion_KeyPress(k);
        } else {
            velmo.txtPregunta_KeyPress(k, std::string(texto),
                                       plataforma.controles[Control::txtPeticion].texto);
        }
        aplicarTecla(texto, k);
    }
}

Consulta::Consulta(std::uint64_t semilla, std::chrono::sys_days dia, double segundosDelDia)
    : m_azar([this] { return m_plataforma.segundosDelDia(); }, semilla)
    , m_velmo(m_plataforma, m_azar) {
    m_plataforma.dia = dia;
    m_plataforma.segundos = segundosDelDia;
    m_plataforma.primerBotonPorDefecto = true;
    m_velmo.Form_Load();
}

Consulta::Respuesta Consulta::preguntar(std::string_view pregunta) {
    if (!m_primera) {
        // The statistics window would have been closed with its button first.
        m_velmo.estadisticasCerradas(true);
        m_velmo.cmdNuevaPregunta_Click();
    }
    m_primera = false;
    teclear(m_velmo, m_plataforma, Control::txtPeticion, "Velmo, favor de responder:");
    const std::size_t fin = pregunta.find('?');
    teclear(m_velmo, m_plataforma, Control::txtPregunta, pregunta.substr(0, fin));
    teclear(m_velmo, m_plataforma, Control::txtPregunta, "?");
    return {m_velmo.temaDetectado(), m_plataforma.texto(Control::lblRespuesta)};
}

} // namespace auguron
