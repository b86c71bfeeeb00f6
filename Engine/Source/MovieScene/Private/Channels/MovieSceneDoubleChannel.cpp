#include "Channels/MovieSceneDoubleChannel.h"

#include "Channels/MovieSceneCurveChannelImpl.h"

template struct TMovieSceneChannelData<FMovieSceneDoubleValue>;

typedef TMovieSceneCurveChannelImpl<FMovieSceneDoubleChannel> FMovieSceneDoubleChannelImpl;

bool FMovieSceneDoubleValue::operator==(const FMovieSceneDoubleValue& Other) const
{
	return Value == Other.Value && Tangent == Other.Tangent && InterpMode == Other.InterpMode && TangentMode == Other.TangentMode;
}

FMovieSceneDoubleChannel::FMovieSceneDoubleChannel()
	: PreInfinityExtrap(RCCE_Constant)
	, PostInfinityExtrap(RCCE_Constant)
	, DefaultValue(0)
	, bHasDefaultValue(false)
	, TickResolution(60000, 1)
{
}

void FMovieSceneDoubleChannel::Set(TArray<FFrameNumber> InTimes, TArray<FMovieSceneDoubleValue> InValues)
{
	FMovieSceneDoubleChannelImpl::Set(this, MoveTemp(InTimes), MoveTemp(InValues));
}

int32 FMovieSceneDoubleChannel::AddConstantKey(FFrameNumber InTime, double InValue)
{
	return FMovieSceneDoubleChannelImpl::AddConstantKey(this, InTime, InValue);
}

int32 FMovieSceneDoubleChannel::AddLinearKey(FFrameNumber InTime, double InValue)
{
	return FMovieSceneDoubleChannelImpl::AddLinearKey(this, InTime, InValue);
}

int32 FMovieSceneDoubleChannel::AddCubicKey(FFrameNumber InTime, double InValue, ERichCurveTangentMode TangentMode, const FMovieSceneTangentData& Tangent)
{
	return FMovieSceneDoubleChannelImpl::AddCubicKey(this, InTime, InValue, TangentMode, Tangent);
}

void FMovieSceneDoubleChannel::AutoSetTangents(float Tension)
{
	FMovieSceneDoubleChannelImpl::AutoSetTangents(this, Tension);
}

void FMovieSceneDoubleChannel::SetDefault(double InDefaultValue)
{
	bHasDefaultValue = true;
	DefaultValue = InDefaultValue;
}

TOptional<double> FMovieSceneDoubleChannel::GetDefault() const
{
	return bHasDefaultValue ? TOptional<double>(DefaultValue) : TOptional<double>();
}

void FMovieSceneDoubleChannel::RemoveDefault()
{
	bHasDefaultValue = false;
}

int32 FMovieSceneDoubleChannel::GetNumKeys() const
{
	return Times.Num();
}

FKeyHandle FMovieSceneDoubleChannel::GetHandle(int32 Index)
{
	return GetData().GetHandle(Index);
}

int32 FMovieSceneDoubleChannel::GetIndex(FKeyHandle Handle)
{
	return GetData().GetIndex(Handle);
}

void FMovieSceneDoubleChannel::DeleteKeys(TArrayView<const FKeyHandle> InHandles)
{
	GetData().DeleteKeys(InHandles);
}

void FMovieSceneDoubleChannel::Reset()
{
	GetData().Reset();
	bHasDefaultValue = false;
}

bool FMovieSceneDoubleChannel::ExportTextItem(FString& ValueStr, const FMovieSceneDoubleChannel& DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	return FMovieSceneDoubleChannelImpl::ExportTextItem(this, ValueStr);
}

bool FMovieSceneDoubleChannel::ImportTextItem(const TCHAR*& Buffer, int32 PortFlags, UObject* OwnerObject, FOutputDevice* ErrorText)
{
	return FMovieSceneDoubleChannelImpl::ImportTextItem(this, Buffer, OwnerObject, ErrorText);
}

bool FMovieSceneDoubleChannel::Identical(const FMovieSceneDoubleChannel* Other, uint32 PortFlags) const
{
	return FMovieSceneDoubleChannelImpl::Identical(this, Other);
}
