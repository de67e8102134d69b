#pragma once
// The notification about one job: who sent it and which job. An empty
// function means nobody is told.

#include <functional>

class TvxBatch;
class TvxNode;

using TvxNodeEvent = std::function<void(TvxBatch* sender, TvxNode* node)>;
