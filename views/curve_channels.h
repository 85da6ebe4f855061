// The prepared channels of a trip: smoothed curves and derived per-sample quantities, computed
// from the records of the current or the second trip into a channel set of their own.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "trip/trip.h"

namespace vx {

// The samples to prepare: records[0] is the header, records[1 .. count-1] the samples.
struct CurveSource {
    std::span<const TripRecord> records;
    std::int32_t count = 0;
    std::int32_t sample_interval_s = 1;

    // count, limited to the records there are.
    std::int32_t size() const;
    // The sample interval used for durations and rates: 1 when not positive.
    std::int32_t interval() const { return sample_interval_s > 0 ? sample_interval_s : 1; }
};

CurveSource CurveSourceOf(const Trip& trip);
// The second trip keeps no sample interval of its own; the caller names it.
CurveSource CurveSourceOf(const SecondTrip& trip, std::int32_t sample_interval_s);

// One field of every record as an array indexed by sample number ([0] = 0).
std::vector<float> SampleField(const CurveSource& source, float TripRecord::*field);

// Curve types with a smoothing level (index into the ten levels of the settings).
constexpr int kCurveAltitude = 0;
constexpr int kCurvePower = 1;
constexpr int kCurveCadence = 2;
constexpr int kCurveSpeed = 3;
constexpr int kCurveHeartRate = 4;
constexpr int kCurveTorque = 9;
using SmoothingLevels = std::array<std::int32_t, 10>;

// Torque in N m = torque ratio (W per rpm) x this factor.
constexpr float kTorqueFactor = 9.55414f;

// Limits of the altitude axis in display units, from the raw altitudes.
struct AltitudeAxis {
    float max = 0;  // entry 0 of the curve scale block
    float min = 0;  // entry 0 of the curve scale minima
};

// All arrays are indexed by sample number and hold one value per record of the trip.
struct CurveChannels {
    std::vector<float> power, cadence, speed, heart_rate, altitude, temperature;  // smoothed
    std::vector<float> power_mean41, cadence_mean41;  // 41-sample means for the force zones
    std::vector<float> altitude_mean;                 // 20-sample altitude mean A
    std::vector<float> gradient;                      // percent
    std::vector<float> climb_rate;                    // m per minute, the range drawn last
    std::vector<float> torque_ratio;                  // power / cadence
    std::vector<float> right_leg_share;               // percent
    std::vector<float> power_per_beat;                // W per heart beat
    std::vector<std::uint8_t> force_zone;             // 1 inside a force-zone stretch
    std::optional<AltitudeAxis> altitude_axis;        // none without a finite altitude
};

// Highest and lowest raw altitude, times altitude_factor, widened to whole tens.
std::optional<AltitudeAxis> AltitudeAxisLimits(const CurveSource& source, double altitude_factor);

// The 20-sample altitude mean A: raw altitudes for samples 1 .. 5 (and A[0] = A[1]), the mean
// of samples i-5 .. i+14 from sample 6 on, the last mean for the last 20 samples. Trips of 21
// records or fewer keep their raw altitudes.
void ComputeAltitudeMean(const CurveSource& source, std::vector<float>& a);
std::vector<float> AltitudeMean(const CurveSource& source);

// The first step of the preparation: temperature (k = 30), the altitude axis and A.
void PrepareTemperatureAndAltitude(const CurveSource& source, double altitude_factor,
                                   CurveChannels& channels);

// Every channel except the force zones and the climb rate (which is cleared), from the levels.
void PrepareChannels(const CurveSource& source, const SmoothingLevels& levels,
                     double altitude_factor, CurveChannels& channels);
CurveChannels PrepareChannels(const CurveSource& source, const SmoothingLevels& levels,
                              double altitude_factor);

// After the level of one curve type changed: altitude, power, cadence with the right-leg
// share, speed, heart rate or torque ratio is computed again; other types change nothing.
void RecomputeCurve(const CurveSource& source, int curve_type, const SmoothingLevels& levels,
                    CurveChannels& channels);

// The gradient in percent over 14 samples of distance, from altitudes smoothed with k = 7,
// smoothed with k = 3 afterwards.
void ComputeGradient(const CurveSource& source, std::vector<float>& gradient);

}  // namespace vx
