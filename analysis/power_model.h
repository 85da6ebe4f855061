// The power model: pedalling power from speed, distance, altitude, temperature and cadence
// through a force balance of slope, rolling resistance, air drag and acceleration.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "analysis/power_model_params.h"
#include "trip/trip.h"

namespace vx {

// Called during a run with the centres done so far and their total.
using PowerModelProgress = std::function<void(std::int32_t done, std::int32_t total)>;

// The results of the last run, indexed by record number.
struct PowerModelRun {
    std::int32_t window_half = 0;           // n as used: limited so the window fits the trip
    std::vector<float> acceleration_force;  // Fb, N
    std::vector<float> power;               // P, W; 0 for records that were never a centre
    std::vector<float> smoothed_power;      // S, 20-record mean of P, W
    // The breakdown: the header line, then one line per centre from first_centre on.
    std::vector<std::string> lines;
    std::int32_t first_centre = 0;
    std::int32_t centres = 0;          // records evaluated
    std::int32_t applied_samples = 0;  // records that got the modelled power with apply
    bool csv_written = false;
};

// The force balance at one centre record.
struct ModelForces {
    float sum = 0;           // SumF, N
    float slope = 0;         // Fm
    float rolling = 0;       // Fr
    float rider_drag = 0;    // FcwaR
    float bike_drag = 0;     // FcwaB
    float acceleration = 0;  // Fb
    float speed_ms = 0;      // v, window mean
    float rise = 0;          // s, metres per metre
    float half_density = 0;  // k, kg/m^3
};

constexpr const char* kModelPowerCsvName = "CALC_POWER.CSV";
constexpr const char* kModelPowerCsvHeader = "Zeit;SumF; Fm; Fr; FcwaR; FcwaB;  Fb; v;stg;kw";

// Half the air density (kg/m^3) at an altitude and temperature.
float HalfAirDensity(float altitude_m, float temperature_c);

// The window half width used on a trip of count records: 1 .. 300 and 2n + 2 <= count.
std::int32_t ModelWindowHalf(std::int32_t n, std::int32_t count);

// Runs the model over the whole trip: P, S and the breakdown lines. altitude_mean is the
// 20-record altitude mean of the curve preparation (computed here when it holds fewer values
// than the trip). With apply, power_w of every sample becomes P where its cadence is above 10
// and 0 elsewhere. With a csv_path, the breakdown is written there (decimal commas, CR LF);
// a failure to write it is only reported in csv_written.
PowerModelRun ComputeModelPower(Trip& trip, std::span<const float> altitude_mean,
                                const PowerModelParams& params, bool apply,
                                const std::string& csv_path,
                                const PowerModelProgress& progress = {});

// Runs the model over records first .. end-1 without changing the trip, without lines or file;
// P is 0 where the cadence is below 10, S where it is 10 or less. Returns end - 20.
std::int32_t ComputeModelPowerRange(std::span<const TripRecord> records, std::int32_t count,
                                    std::span<const float> altitude_mean,
                                    const PowerModelParams& params, std::int32_t first,
                                    std::int32_t end, PowerModelRun& run);

// One breakdown line, the record number read as seconds: the text of
// "%02i:%02i:%02i;%10.3f;%8.3f;%8.3f;%8.3f;%8.3f;%8.3f;%5.2f;%5.2f;%8.3f" with the hours,
// minutes and seconds, SumF, Fm, Fr, FcwaR, FcwaB, Fb, v, s x 100 and k.
std::string ModelPowerLine(std::int32_t record, const ModelForces& forces);

// The breakdown lines as the CSV file holds them.
std::string ModelPowerCsvText(const std::vector<std::string>& lines);
bool WriteModelPowerCsv(const std::string& path, const std::vector<std::string>& lines,
                        std::string* error = nullptr);

}  // namespace vx
