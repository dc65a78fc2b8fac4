#pragma once
// The mark's window timers. The follow timer's period is the settings' follow interval.

constexpr unsigned kFollowTimerId = 112;
constexpr unsigned kBlinkTimerId = 116;
constexpr unsigned kClickTimerId = 117;

constexpr unsigned kBlinkIntervalMs = 50;
constexpr unsigned kClickIntervalMs = 20;
