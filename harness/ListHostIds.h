#pragma once

#define IDD_LIST_HOST 300
