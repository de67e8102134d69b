#pragma once
// The converter class the project keeps: a factory that makes one converter of
// the product's kind for a batch (batch, count, job-done notification). The
// project only stores it, so the batch and converter types stay declared here
// without their headers; the notification has the signature of TvxNodeEvent.

#include <functional>

class TvxBatch;
class TvxConvertor;
class TvxNode;

using TvxConvertorClass = std::function<TvxConvertor*(
    TvxBatch* batch, int count,
    const std::function<void(TvxBatch* sender, TvxNode* node)>& onJobDone)>;
