// The one place that holds Velqora's version numbers.
#pragma once

#define VELQORA_VERSION_MAJOR 1
#define VELQORA_VERSION_MINOR 0
#define VELQORA_VERSION_PATCH 0
#define VELQORA_VERSION_BUILD 0
#define VELQORA_VERSION_TEXT "1.0.0.0"
