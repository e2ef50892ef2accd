#pragma once
// The built-in demo: a session script on synthetic footage.
namespace hostsim::program {

/// The demo's session script.
const char* demoScript();

}  // namespace hostsim::program
