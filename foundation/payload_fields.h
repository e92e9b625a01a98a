#pragma once

// The byte that ends each field of the payloads with which one program of the
// suite starts another; its writers and its readers live in different
// programs.
constexpr char INFO_SEPARATOR = '\xA5';
