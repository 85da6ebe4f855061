// The rider a velomatix-cli command works on: the data root's settings and the rider's trips.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "trip/trip_store.h"

namespace vx::cli {

struct RiderContext {
    Settings settings = DefaultSettings();
    RiderTrips trips;
    std::unique_ptr<Trip> trip = std::make_unique<Trip>();
};

// Takes "--rider NAME" out of args. Without it the settings' current rider is used; a name
// that is one of the stored riders uses that rider's weight and zones, any other name works
// as a rider attached for this run (its folder is created when missing).
std::optional<std::string> TakeRiderOption(std::vector<std::string>& args);

// Reads the settings and loads the rider's list and store. False with a message when the rider
// has no folder (a fresh data root needs --rider NAME).
bool OpenRider(const Context& ctx, const std::optional<std::string>& rider, RiderContext& rc,
               std::string& message);

// Saves list and store when changed; false with a message on failure.
bool SaveRider(RiderContext& rc, std::string& message);

// The index of the list line with this trip number, or nullopt.
std::optional<std::size_t> LineOfTripNumber(const TripList& list, int number);

}  // namespace vx::cli
