#pragma once

// The start-up check that Word can be started at all.
namespace planner {

// Starts a Word instance and quits it again. When none can be started it shows
// the "Error 842001" message and ends the program, and returns false (it only
// returns at all when a test stands in for the program's end).
bool checkWordInstalled();

}  // namespace planner
