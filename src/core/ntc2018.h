#pragma once

#include "core/building.h"
#include "core/storeys.h"

#include <QString>
#include <optional>
#include <vector>

// The actions of today's code (NTC 2018, D.M. 17/01/2018, with the Circolare 21/01/2019) for
// the same building: the elastic and design response spectra of the site (§3.2.3.2.1,
// §3.2.3.5) and the forces of the linear static analysis (§7.3.3.2), beside those of 1984.
// Accelerations are fractions of g throughout, periods in seconds, weights and forces in the
// tonnes of the 1984 windows.
namespace ntc2018 {

// Subsoil categories of Tab. 3.2.II and topographic categories of Tab. 3.2.III, in the order
// of the windows' lists.
enum class Soil { A, B, C, D, E };
enum class Topography { T1, T2, T3, T4 };

// The site and the structure as the spectrum needs them.
struct Site {
    double ag;             // ag on rock, fraction of g
    double f0;             // F0, largest spectral amplification
    double tcStar;         // Tc*, s
    Soil soil;             // subsoil category
    Topography topography; // topographic category
    double damping = 5.0;  // xi, % of critical
    double q = 1.0;        // behaviour factor; 1 is the elastic spectrum
};

// A row of Tab. 3.2.IV: SS = constant - slope * F0 * ag (ag in g) between low and high,
// CC = factor * Tc*^exponent.
struct SoilRow {
    double ssConstant;
    double ssSlope;
    double ssLow;
    double ssHigh;
    double ccFactor;
    double ccExponent;
};
const SoilRow& soilRow(Soil soil);

// What Tab. 3.2.IV, Tab. 3.2.V and §3.2.3.2.1 give for a site.
struct Parameters {
    double ss;  // stratigraphic amplification SS
    double cc;  // CC, the factor of Tc*
    double st;  // topographic amplification ST
    double s;   // S = SS * ST
    double eta; // eta = sqrt(10 / (5 + xi)), not below 0,55
    double tb;  // TB = TC / 3, s
    double tc;  // TC = CC * Tc*, s
    double td;  // TD = 4,0 * ag + 1,6, s (ag in g)
};

// The Italian message that refuses a site, or an empty text when every value can be used:
// ag above 0 and at most 1 g, F0 and Tc* above 0, xi from 0 to 100 %, q at least 1.
QString refused(const Site& site);

// The site as the building keeps it, or nothing with the Italian reason: ag, F0, Tc* and
// both categories must be given; xi and q not given are 5 % and 1 (the elastic spectrum).
struct SiteReading {
    std::optional<Site> site;
    QString reason;
};
SiteReading siteOf(const building::NtcSite& given);

Parameters parameters(const Site& site);

// Se(T)/g on the four branches of [3.2.2]:
//   0 <= T < TB:  ag S eta F0 [T/TB + (1 - T/TB) / (eta F0)]
//   TB <= T < TC: ag S eta F0
//   TC <= T < TD: ag S eta F0 TC/T
//   TD <= T:      ag S eta F0 TC TD/T^2
double elasticOrdinate(double periodS, const Site& site);

// Sd(T)/g of §3.2.3.5: Se with eta replaced by 1/q, never below 0,2 ag.
double designOrdinate(double periodS, const Site& site);

// The ordinate the comparison uses: Se with the site's damping when q = 1 (the elastic
// spectrum), Sd otherwise.
double ordinate(double periodS, const Site& site);
inline bool isElastic(const Site& site) {
    return site.q == 1.0;
}

struct Point {
    double periodS;
    double ordinate;
};
// ordinate() from T = 0 to the period given every hundredth of a second, with TB, TC and TD
// among the points so that the corners are drawn where they are.
std::vector<Point> curve(const Site& site, double untilS);

// C1 of T1 = C1 * H^(3/4) (Circolare 2019, C7.3.3.2), H in m from the foundation.
enum class Frame { Steel, Concrete, Other };
double c1(Frame frame); // 0,085 steel, 0,075 reinforced concrete, 0,050 other structures
double approximatePeriod(Frame frame, double heightM);

// lambda of [7.3.7]: 0,85 when T1 < 2 TC and the building has at least three storeys, else 1.
double lambda(double t1S, double tcS, int storeyCount);

// The static forces of [7.3.6] and [7.3.7] for the storeys of the 1984 table, unrounded.
struct StoreyForce {
    double forceT; // Fi = Fh zi Wi / sum(zj Wj), t
    double shearT; // Vi = sum of Fj for j >= i, t
    double ratio;  // Vi / (factor * V1984,i); nothing to divide by gives NaN
};
struct StaticForces {
    double t1S;                    // T1, s
    double sd;                     // Sd(T1)/g (Se when q = 1)
    double lambda;                 // lambda
    double weightT;                // W = sum of Wi, t
    double baseShearT;             // Fh = Sd(T1) W lambda / g, t
    std::vector<StoreyForce> rows; // storey 1, the lowest, first
    bool beyondTc;                 // T1 > 2,5 TC: past the static method's limit
    bool beyondTd;                 // T1 > TD: past the static method's limit
};
// factor multiplies the 1984 shears before the ratio (1 allowable stresses, 1,5 limit
// states). Nothing when the storeys spread no force (sum of zW = 0) or a result is not finite.
std::optional<StaticForces> staticForces(const std::vector<storeys::Storey>& storeys,
                                         const storeys::Table& table1984, double t1S,
                                         const Site& site, double factor);

// Where T1 comes from: the 1984 period, or C1 * H^(3/4) for a kind of structure.
enum class PeriodSource { Period1984, Steel, Concrete, Other };
// Which 1984 forces are compared: as computed (allowable stresses) or times 1,5 (limit
// states, as the code of 1996 prescribed).
enum class Basis { AllowableStresses, LimitStates };
double factor(Basis basis);

// The comparison as the building states it: its site, T1 by its choice (the 1984 T given, or
// C1 * H^(3/4) with H the top storey's height), k by its choice (1 when not chosen), the
// storeys and their 1984 table. Nothing, with the Italian reason, when anything lacks.
struct Comparison {
    Site site;
    PeriodSource source;
    Basis basis;
    StaticForces forces;
};
struct ComparisonReading {
    std::optional<Comparison> comparison;
    QString reason;
};
ComparisonReading compare(const building::NtcSite& given,
                          const std::vector<storeys::Storey>& storeys,
                          const storeys::Table* table1984, std::optional<double> period1984);

// The comparison as the report prints it: the site, the spectrum's parameters, T1 and how it
// was found, Fh with its values substituted, the notes on the static method's limits and a
// table of F and V of NTC 2018 against the 1984 shears times the factor, one storey a line
// from the bottom. In the report's code page: eta, lambda and xi in words.
QString comparisonText(const Site& site, const StaticForces& forces, PeriodSource source,
                       Basis basis, const storeys::Table& table1984);

// A value of the comparison as the windows and the report show it: to three decimals (TB of
// 0,156 s and a plateau of 0,804 g would lose a figure at two), shortest text, decimal comma.
QString format3(double value);

// A force, a shear or a ratio in a column: rounded to two decimals, both written.
QString fixed2(double value);

} // namespace ntc2018
