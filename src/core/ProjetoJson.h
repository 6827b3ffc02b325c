// The whole of a design as one JSON object: the record's fields, the glare stops, the ray-trace
// analysis and the mirror data, for the command line's --json.
#pragma once

#include "Global.h"

#include <QByteArray>
#include <QJsonObject>

// Zones of the Couder mask in the mirror data (the mirror window's starting count).
inline constexpr int ZonasJson = 5;

// The record as it stands (the caller has run the recomputations an opened design goes
// through), keys named as its fields ("Titulo" as text, the fill bytes and "Reservado" left
// out), then "Glares" (one object per stop: Glare, Posicao, Diametro), "Analise" (Analisar, with
// "Difracao": DifracaoJson) and "Espelhos" (CalcularEspelhos of each variant, ZonasJson zones, the
// shortest Hindle distance), "Tolerancias" and "Iluminacao" (the illumination study of the
// Ritchey-Chrétien variant with the field i kept lit: for "atual", the record's baffle, and
// "otimizado", the baffle of least obstruction, the heights, relative illumination, throughput,
// obstructions, the diameters lit at 100, 75 and 50 % and the baffle's dimensions). Numbers that
// are not finite are written as null. SemEstudos leaves out the three studies ("Difracao",
// "Tolerancias", "Iluminacao"), which take nearly all of the time, and computes none of them.
enum class ConteudoJson { Completo, SemEstudos };
QJsonObject ProjetoJson(const TProjeto& projeto, ConteudoJson conteudo = ConteudoJson::Completo);
// The same as compact UTF-8 text with a final line feed.
QByteArray TextoProjetoJson(const TProjeto& projeto,
                            ConteudoJson conteudo = ConteudoJson::Completo);
