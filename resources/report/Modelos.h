// The stored report templates, compiled in as Qt resources.
#pragma once

#include <QString>

// Resource path of a stored template: "projeto" (design report), "defletor" (baffle report),
// "analise" (ray-trace analysis report), "espelhos" (mirror-making report), "iluminacao" (field
// illumination report), "tolerancias" (focusing and collimation report).
QString CaminhoModelo(const QString& nome);
