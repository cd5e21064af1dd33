// SPDX-License-Identifier: GPL-3.0-or-later
// The mathematics words Affine Ciphers encodes, a list a language. Each word is written
// in the capitals A to Z, 5 to 9 of them (the screen has nine columns): a French or
// Spanish word without its accents (ÉQUATION is EQUATION, DIVISIÓN is DIVISION), a German
// word with its umlauts as two letters and ß as SS (LÄNGE is LAENGE, MASSSTAB); no
// Spanish word with Ñ is listed.
#include "affine_logic.h"

#include <array>

namespace chalkline::affine {

namespace {

using namespace std::string_view_literals;

constexpr std::array kEnglish{
    "ACUTE"sv,     "ADDITION"sv,  "ALGEBRA"sv,   "ALGORITHM"sv, "ANGLE"sv,     "ARRAY"sv,
    "AVERAGE"sv,   "AXIOM"sv,     "BEARING"sv,   "BILLION"sv,   "BINARY"sv,    "BISECT"sv,
    "BRACKET"sv,   "CALCULATE"sv, "CALCULUS"sv,  "CENTRE"sv,    "CHORD"sv,     "CIRCLE"sv,
    "COMPASS"sv,   "CONGRUENT"sv, "CONSTANT"sv,  "COSINE"sv,    "COUNT"sv,     "CUBED"sv,
    "CUBIC"sv,     "CUBOID"sv,    "CURVE"sv,     "CYLINDER"sv,  "DECAGON"sv,   "DECIMAL"sv,
    "DEGREE"sv,    "DENSITY"sv,   "DIAGONAL"sv,  "DIAGRAM"sv,   "DIAMETER"sv,  "DIGIT"sv,
    "DIMENSION"sv, "DIVIDE"sv,    "DIVISIBLE"sv, "DIVISION"sv,  "DIVISOR"sv,   "DOZEN"sv,
    "ELLIPSE"sv,   "EQUAL"sv,     "EQUATION"sv,  "ESTIMATE"sv,  "EXPAND"sv,    "EXPONENT"sv,
    "FACTOR"sv,    "FIBONACCI"sv, "FORMULA"sv,   "FRACTION"sv,  "FREQUENCY"sv, "FUNCTION"sv,
    "GEOMETRY"sv,  "GRADIENT"sv,  "GRAPH"sv,     "HEIGHT"sv,    "HEPTAGON"sv,  "HEXAGON"sv,
    "HUNDRED"sv,   "INDEX"sv,     "INFINITY"sv,  "INTEGER"sv,   "INTEGRAL"sv,  "INTERCEPT"sv,
    "INVERSE"sv,   "ISOSCELES"sv, "KILOGRAM"sv,  "LENGTH"sv,    "LIMIT"sv,     "LINEAR"sv,
    "LITRE"sv,     "LOGIC"sv,     "MATRIX"sv,    "MAXIMUM"sv,   "MEASURE"sv,   "MEDIAN"sv,
    "METRE"sv,     "MILLION"sv,   "MINIMUM"sv,   "MINUS"sv,     "MODULUS"sv,   "MULTIPLE"sv,
    "MULTIPLY"sv,  "NEGATIVE"sv,  "NONAGON"sv,   "NUMBER"sv,    "NUMERATOR"sv, "OBTUSE"sv,
    "OCTAGON"sv,   "ORIGIN"sv,    "PARABOLA"sv,  "PARALLEL"sv,  "PENTAGON"sv,  "PERCENT"sv,
    "PERIMETER"sv, "PLANE"sv,     "POLYGON"sv,   "POSITIVE"sv,  "POWER"sv,     "PRIME"sv,
    "PRISM"sv,     "PRODUCT"sv,   "PROOF"sv,     "PYRAMID"sv,   "QUADRANT"sv,  "QUADRATIC"sv,
    "QUOTIENT"sv,  "RADIAN"sv,    "RADIUS"sv,    "RANDOM"sv,    "RANGE"sv,     "RATIO"sv,
    "RATIONAL"sv,  "RECTANGLE"sv, "REFLEX"sv,    "REMAINDER"sv, "RHOMBUS"sv,   "ROTATION"sv,
    "ROUNDING"sv,  "SCALE"sv,     "SCALENE"sv,   "SECTOR"sv,    "SEGMENT"sv,   "SEQUENCE"sv,
    "SERIES"sv,    "SIMILAR"sv,   "SLOPE"sv,     "SOLID"sv,     "SPHERE"sv,    "SPIRAL"sv,
    "SQUARE"sv,    "SQUARED"sv,   "STATISTIC"sv, "SUBTRACT"sv,  "SURFACE"sv,   "SYMMETRY"sv,
    "TALLY"sv,     "TANGENT"sv,   "THEOREM"sv,   "THOUSAND"sv,  "TOTAL"sv,     "TRAPEZIUM"sv,
    "TRIANGLE"sv,  "VARIABLE"sv,  "VECTOR"sv,    "VERTEX"sv,    "VERTICES"sv,  "VOLUME"sv,
    "WEIGHT"sv,    "WIDTH"sv,
};

constexpr std::array kFrench{
    "ADDITION"sv,  "ALGEBRE"sv,   "ANGLE"sv,     "ARETE"sv,     "ARRONDI"sv,   "AXIOME"sv,
    "BINAIRE"sv,   "CALCUL"sv,    "CALCULER"sv,  "CARRE"sv,     "CENTAINE"sv,  "CENTRE"sv,
    "CERCLE"sv,    "CHIFFRE"sv,   "COMPAS"sv,    "CONSTANTE"sv, "COSINUS"sv,   "COURBE"sv,
    "CUBIQUE"sv,   "CYLINDRE"sv,  "DECAGONE"sv,  "DECIMAL"sv,   "DEGRE"sv,     "DENSITE"sv,
    "DIAGONALE"sv, "DIAGRAMME"sv, "DIAMETRE"sv,  "DIVISER"sv,   "DIVISEUR"sv,  "DIVISION"sv,
    "DIZAINE"sv,   "DOUZAINE"sv,  "ECHELLE"sv,   "EGALITE"sv,   "ELLIPSE"sv,   "ENTIER"sv,
    "EQUATION"sv,  "EQUERRE"sv,   "ESTIMER"sv,   "EXPOSANT"sv,  "FACTEUR"sv,   "FIBONACCI"sv,
    "FONCTION"sv,  "FORMULE"sv,   "FRACTION"sv,  "FREQUENCE"sv, "GEOMETRIE"sv, "GRAPHE"sv,
    "HAUTEUR"sv,   "HEPTAGONE"sv, "HEXAGONE"sv,  "IMPAIR"sv,    "INDICE"sv,    "INFINI"sv,
    "INTEGRALE"sv, "INVERSE"sv,   "ISOCELE"sv,   "LARGEUR"sv,   "LIMITE"sv,    "LINEAIRE"sv,
    "LITRE"sv,     "LOGIQUE"sv,   "LONGUEUR"sv,  "LOSANGE"sv,   "MATRICE"sv,   "MAXIMUM"sv,
    "MEDIANE"sv,   "MESURE"sv,    "METRE"sv,     "MILLE"sv,     "MILLIARD"sv,  "MILLION"sv,
    "MINIMUM"sv,   "MODULO"sv,    "MOINS"sv,     "MOYENNE"sv,   "MULTIPLE"sv,  "NEGATIF"sv,
    "NOMBRE"sv,    "OBTUS"sv,     "OCTOGONE"sv,  "ORIGINE"sv,   "PARABOLE"sv,  "PARALLELE"sv,
    "PENTAGONE"sv, "PENTE"sv,     "PERIMETRE"sv, "POIDS"sv,     "POLYGONE"sv,  "POSITIF"sv,
    "POURCENT"sv,  "PREMIER"sv,   "PREUVE"sv,    "PRISME"sv,    "PRODUIT"sv,   "PUISSANCE"sv,
    "PYRAMIDE"sv,  "QUOTIENT"sv,  "RADIAN"sv,    "RAPPORT"sv,   "RATIONNEL"sv, "RAYON"sv,
    "RECTANGLE"sv, "REGLE"sv,     "RESTE"sv,     "ROTATION"sv,  "SECTEUR"sv,   "SEGMENT"sv,
    "SEMBLABLE"sv, "SERIE"sv,     "SINUS"sv,     "SOLIDE"sv,    "SOMME"sv,     "SOMMET"sv,
    "SPHERE"sv,    "SPIRALE"sv,   "SUITE"sv,     "SYMETRIE"sv,  "TANGENTE"sv,  "THEOREME"sv,
    "TOTAL"sv,     "TRAPEZE"sv,   "TRIANGLE"sv,  "VARIABLE"sv,  "VECTEUR"sv,   "VOLUME"sv,
};

constexpr std::array kGerman{
    "ACHSE"sv,     "ACHTECK"sv,   "ADDIEREN"sv,  "ADDITION"sv,  "AEHNLICH"sv,  "ALGEBRA"sv,
    "BEREICH"sv,   "BEWEIS"sv,    "BINAER"sv,    "BREITE"sv,    "BRUCH"sv,     "DEZIMAL"sv,
    "DIAGONALE"sv, "DIAGRAMM"sv,  "DICHTE"sv,    "DIVISION"sv,  "DREHUNG"sv,   "DREIECK"sv,
    "DUTZEND"sv,   "EBENE"sv,     "ECKPUNKT"sv,  "ELLIPSE"sv,   "EXPONENT"sv,  "FAKTOR"sv,
    "FIBONACCI"sv, "FLAECHE"sv,   "FOLGE"sv,     "FORMEL"sv,    "FUENFECK"sv,  "FUNKTION"sv,
    "GANZZAHL"sv,  "GEOMETRIE"sv, "GEWICHT"sv,   "GLEICH"sv,    "GLEICHUNG"sv, "GRAPH"sv,
    "GRENZWERT"sv, "HOEHE"sv,     "HUNDERT"sv,   "INDEX"sv,     "INTEGRAL"sv,  "KEGEL"sv,
    "KEHRWERT"sv,  "KILOGRAMM"sv, "KLAMMER"sv,   "KOERPER"sv,   "KONSTANTE"sv, "KOSINUS"sv,
    "KREIS"sv,     "KUBISCH"sv,   "KUGEL"sv,     "KURVE"sv,     "LAENGE"sv,    "LEHRSATZ"sv,
    "LINEAR"sv,    "LITER"sv,     "LOGIK"sv,     "MASSSTAB"sv,  "MATRIX"sv,    "MAXIMUM"sv,
    "MEDIAN"sv,    "MESSEN"sv,    "METER"sv,     "MILLIARDE"sv, "MILLION"sv,   "MINIMUM"sv,
    "MINUS"sv,     "MITTEL"sv,    "MODULO"sv,    "NEGATIV"sv,   "NENNER"sv,    "NEUNECK"sv,
    "PARABEL"sv,   "PARALLEL"sv,  "POSITIV"sv,   "POTENZ"sv,    "PRIMZAHL"sv,  "PRISMA"sv,
    "PRODUKT"sv,   "PROZENT"sv,   "PYRAMIDE"sv,  "QUADER"sv,    "QUADRANT"sv,  "QUADRAT"sv,
    "QUOTIENT"sv,  "RADIUS"sv,    "RATIONAL"sv,  "RAUTE"sv,     "RECHNEN"sv,   "RECHTECK"sv,
    "REIHE"sv,     "RUNDEN"sv,    "SCHAETZEN"sv, "SCHEITEL"sv,  "SECHSECK"sv,  "SEHNE"sv,
    "SEKANTE"sv,   "SEKTOR"sv,    "SIEBENECK"sv, "SINUS"sv,     "SPIRALE"sv,   "STATISTIK"sv,
    "STEIGUNG"sv,  "STRECKE"sv,   "STUMPF"sv,    "SUMME"sv,     "SYMMETRIE"sv, "TANGENS"sv,
    "TANGENTE"sv,  "TAUSEND"sv,   "TEILBAR"sv,   "TEILEN"sv,    "TEILER"sv,    "TRAPEZ"sv,
    "UMFANG"sv,    "UNENDLICH"sv, "URSPRUNG"sv,  "VARIABLE"sv,  "VEKTOR"sv,    "VIELECK"sv,
    "VOLUMEN"sv,   "WINKEL"sv,    "WUERFEL"sv,   "ZAEHLEN"sv,   "ZAEHLER"sv,   "ZEHNECK"sv,
    "ZENTRUM"sv,   "ZIFFER"sv,    "ZIRKEL"sv,    "ZUFALL"sv,    "ZYLINDER"sv,
};

constexpr std::array kSpanish{
    "ADICION"sv,   "AGUDO"sv,     "ALGEBRA"sv,   "ALGORITMO"sv, "ALTURA"sv,    "ANCHURA"sv,
    "ANGULO"sv,    "AXIOMA"sv,    "BINARIO"sv,   "BISECTRIZ"sv, "CALCULAR"sv,  "CALCULO"sv,
    "CENTRO"sv,    "CIENTO"sv,    "CILINDRO"sv,  "CIRCULO"sv,   "COCIENTE"sv,  "COMPAS"sv,
    "CONSTANTE"sv, "CONTAR"sv,    "COSENO"sv,    "CUADRADO"sv,  "CUADRANTE"sv, "CUBICO"sv,
    "CUERDA"sv,    "CURVA"sv,     "DECAGONO"sv,  "DECIMAL"sv,   "DENSIDAD"sv,  "DIAGONAL"sv,
    "DIAGRAMA"sv,  "DIAMETRO"sv,  "DIGITO"sv,    "DIVIDIR"sv,   "DIVISION"sv,  "DIVISOR"sv,
    "DOCENA"sv,    "ECUACION"sv,  "ELIPSE"sv,    "ENTERO"sv,    "ESCALA"sv,    "ESCALENO"sv,
    "ESFERA"sv,    "ESPIRAL"sv,   "ESTIMAR"sv,   "EXPONENTE"sv, "FACTOR"sv,    "FIBONACCI"sv,
    "FORMULA"sv,   "FRACCION"sv,  "FUNCION"sv,   "GEOMETRIA"sv, "GRADO"sv,     "GRAFICA"sv,
    "HEPTAGONO"sv, "HEXAGONO"sv,  "IGUAL"sv,     "INDICE"sv,    "INFINITO"sv,  "INTEGRAL"sv,
    "INVERSO"sv,   "ISOSCELES"sv, "KILOGRAMO"sv, "LIMITE"sv,    "LINEAL"sv,    "LITRO"sv,
    "LOGICA"sv,    "LONGITUD"sv,  "MATRIZ"sv,    "MAXIMO"sv,    "MEDIA"sv,     "MEDIANA"sv,
    "MEDIDA"sv,    "MENOS"sv,     "METRO"sv,     "MILLON"sv,    "MINIMO"sv,    "MODULO"sv,
    "MULTIPLO"sv,  "NEGATIVO"sv,  "NONAGONO"sv,  "NUMERADOR"sv, "NUMERO"sv,    "OBTUSO"sv,
    "OCTOGONO"sv,  "ORIGEN"sv,    "PARABOLA"sv,  "PARALELO"sv,  "PENDIENTE"sv, "PENTAGONO"sv,
    "PERIMETRO"sv, "PIRAMIDE"sv,  "PLANO"sv,     "POLIGONO"sv,  "POSITIVO"sv,  "POTENCIA"sv,
    "PRIMO"sv,     "PRISMA"sv,    "PRODUCTO"sv,  "PROMEDIO"sv,  "PRUEBA"sv,    "RACIONAL"sv,
    "RADIAN"sv,    "RADIO"sv,     "RANGO"sv,     "RAZON"sv,     "REDONDEO"sv,  "RESTAR"sv,
    "RESTO"sv,     "ROMBO"sv,     "ROTACION"sv,  "SECTOR"sv,    "SEGMENTO"sv,  "SEMEJANTE"sv,
    "SERIE"sv,     "SIMETRIA"sv,  "SOLIDO"sv,    "SUCESION"sv,  "SUMANDO"sv,   "SUMAR"sv,
    "TANGENTE"sv,  "TEOREMA"sv,   "TOTAL"sv,     "TRAPECIO"sv,  "TRIANGULO"sv, "VARIABLE"sv,
    "VECTOR"sv,    "VERTICE"sv,   "VERTICES"sv,  "VOLUMEN"sv,
};

} // namespace

std::span<const std::string_view> words(std::string_view language) {
    if (language == "fr") {
        return kFrench;
    }
    if (language == "de") {
        return kGerman;
    }
    if (language == "es") {
        return kSpanish;
    }
    return kEnglish;
}

} // namespace chalkline::affine
