#pragma once
/* The parallel-port library's C interface. One port at a time, reads and writes bounded by the
 * port's five time-outs. "short" and "long" of this interface are exactly 16 and 32 bits wide.
 * The program binds these by name in this order: BytesInBuffer, CloseLPT, OpenLPT, QueryLPT,
 * ReadLPT, ReturnInt, SetLPTto, WriteLPT (then ParlinkLastError). */
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef int16_t parlink_short;
typedef int32_t parlink_long;

#define PARLINK_API __attribute__((visibility("default")))

/* which: 1 input queue, 2 output queue. The byte count; -3 bad which, -2 no port open, -1 the
 * status query failed. */
PARLINK_API parlink_long BytesInBuffer(parlink_short which);

/* Non-zero when the open port was closed; 0 when none was open (or the close failed). */
PARLINK_API parlink_long CloseLPT(void);

/* port 1..4 (LPT1..LPT4). 1 opened; 0 port number outside 1..4; -2 the open failed (also while a
 * port is already open). */
PARLINK_API parlink_short OpenLPT(parlink_short port);

/* Writes the NUL-terminated command, pauses 100 ms, reads the reply into reply[0..length).
 * Bytes of reply read (> 0); -1 nothing written; -length no reply (reply then holds as much of
 * the command and its NUL as fits). */
PARLINK_API parlink_long QueryLPT(const char* command, char* reply, parlink_long length);

/* Reads up to 127 bytes; copies at most length of them to dest, NUL after them when fewer.
 * Bytes read (> 0, may exceed length); -length none arrived; -1 read failed; -2 no port open;
 * -3 length <= 0 or no dest. */
PARLINK_API parlink_long ReadLPT(char* dest, parlink_long length);

PARLINK_API parlink_short ReturnInt(parlink_short value);

/* Read interval, read total multiplier, read total constant, write total multiplier, write total
 * constant, in ms. 1 done; 0 no port open. */
PARLINK_API parlink_short SetLPTto(parlink_long readInterval, parlink_long readMultiplier,
                                   parlink_long readConstant, parlink_long writeMultiplier,
                                   parlink_long writeConstant);

/* Bytes written (fewer when the write time-out ended it); -1 write failed or bad arguments;
 * -2 no port open. */
PARLINK_API parlink_long WriteLPT(const char* data, parlink_long length);

/* The OS error of the latest call as the program's numbers: 0 none, 5 busy or access denied,
 * 21 device not ready, 1121 time-out, 87 bad argument, 31 any other failure. */
PARLINK_API int32_t ParlinkLastError(void);

#ifdef __cplusplus
}
#endif
