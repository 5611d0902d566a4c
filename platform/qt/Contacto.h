#pragma once

// Who made the program and how to reach them: shown by the about window and,
// the two addresses, by the help window. All of it fictional.

#include "Version.h"

#include <QString>

namespace auguron {

inline const QString kFabricante = QStringLiteral("Umbral Soft - 2004 - Puerto Bruma, Chile");
inline const QString kDisenador = QStringLiteral("Julián Ferrán Soto");
inline const QString kCorreoDisenador = QStringLiteral("jferran@auguron.example");
inline const QString kCorreoContacto = QStringLiteral("info@auguron.example");
inline const QString kIdeaOriginal = QStringLiteral("Idea original: Tomás Lurán");

inline const QString kAsuntoCorreo =
    QStringLiteral("Por favor incluya \"Auguron %1\" como asunto del mensaje").arg(QLatin1String(kVersion));

} // namespace auguron
