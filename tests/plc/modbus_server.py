#!/usr/bin/python3
"""A Modbus server with a known data store, for the tests of the PLC link.

Run by Debian's Python with pymodbus 3.0 (/usr/bin/python3):

  modbus_server.py tcp [--port N]                 Modbus TCP on 127.0.0.1 (0: a free port)
  modbus_server.py rtu --device PTY [--pace BAUD] Modbus RTU on one end of a pty pair

  common options: --units 1,2 (the stations that answer; default 1)

pymodbus's own serial server cannot configure a pty, so the RTU side drives pymodbus's RTU
framer and data store over a plain pyserial port. A pty carries bytes at once whatever its baud
rate; with --pace BAUD each reply is held back by the time the request and the reply would take
on such a line (11 bits a character) plus the 3.5-character silence after each of them.

When it serves, it prints "listening PORT" (TCP) or "listening PTY" (RTU). Commands on stdin,
one a line, each answered by one line ("ok", the values asked for, or "error ..."):

  set OBJ ADDR VALUE...   OBJ is hr, ir, coil or di; values from ADDR on
  get OBJ ADDR [COUNT]    the values, separated by spaces
  unit N                  set and get act on station N from now on (the first of --units at start)
  mute N / unmute N       station N stops / starts answering
  stop / start            stop answering and close the listener and connections / serve again
  refuse-gaps A-B         answer ILLEGAL DATA ADDRESS to a read of holding registers covering
                          any of A..B
  log                     the requests received since the last log, answered or not:
                          "FC UNIT ADDR COUNT;..."
  quit
"""

import argparse
import logging
import os
import select
import socket
import sys
import time

from pymodbus.datastore import (
    ModbusSequentialDataBlock,
    ModbusServerContext,
    ModbusSlaveContext,
)
from pymodbus.factory import ServerDecoder
from pymodbus.framer.rtu_framer import ModbusRtuFramer
from pymodbus.framer.socket_framer import ModbusSocketFramer
from pymodbus.pdu import ExceptionResponse, ModbusExceptions

logging.disable(logging.CRITICAL)

BITS = 12000  # coils and discrete inputs 0..11999
WORDS = 10000  # holding and input registers 0..9999
OBJECTS = {"coil": "c", "di": "d", "hr": "h", "ir": "i"}
READ_HOLDING_REGISTERS = 3


def make_store():
    def block(size):
        return ModbusSequentialDataBlock(0, [0] * size)

    return ModbusSlaveContext(
        co=block(BITS), di=block(BITS), hr=block(WORDS), ir=block(WORDS), zero_mode=True
    )


class Peer:
    def __init__(self, args):
        self.args = args
        self.units = [int(u) for u in args.units.split(",")]
        self.context = ModbusServerContext(
            slaves={u: make_store() for u in self.units}, single=False
        )
        self.unit = self.units[0]
        self.muted = set()
        self.refused = []
        self.log = []
        self.serving = False
        self.listener = None
        self.clients = {}  # socket -> framer
        self.serial = None
        self.rtu_framer = None

    # -- the line -----------------------------------------------------------------------------

    def start(self):
        if self.serving:
            return
        if self.args.mode == "tcp":
            self.listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
            self.listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
            self.listener.bind(("127.0.0.1", self.args.port))
            self.listener.listen(4)
            self.args.port = self.listener.getsockname()[1]
        elif self.serial is None:
            import serial  # pyserial, only needed on the RTU side

            self.serial = serial.Serial(self.args.device, baudrate=9600, timeout=0)
            self.rtu_framer = ModbusRtuFramer(ServerDecoder())
        self.serving = True

    def stop(self):
        self.serving = False
        for sock in list(self.clients):
            sock.close()
        self.clients.clear()
        if self.listener is not None:
            self.listener.close()
            self.listener = None
        if self.rtu_framer is not None:
            self.rtu_framer.resetFrame()

    def readable(self):
        handles = [sys.stdin]
        if self.listener is not None:
            handles.append(self.listener)
        handles.extend(self.clients)
        if self.serial is not None:
            handles.append(self.serial)
        return handles

    def on_readable(self, handle):
        if handle is self.listener:
            sock, _ = self.listener.accept()
            sock.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
            self.clients[sock] = ModbusSocketFramer(ServerDecoder())
        elif handle is self.serial:
            data = os.read(self.serial.fileno(), 4096)
            if self.serving and data:
                received = time.monotonic()
                self.rtu_framer.processIncomingPacket(
                    data,
                    lambda request: self.answer_rtu(request, len(data), received),
                    unit=self.units,
                    single=True,
                )
        else:
            try:
                data = handle.recv(4096)
            except ConnectionError:
                data = b""
            if not data:
                handle.close()
                del self.clients[handle]
                return
            framer = self.clients[handle]
            framer.processIncomingPacket(
                data, lambda request: self.answer_tcp(handle, framer, request), unit=self.units,
                single=True,
            )

    # -- requests -----------------------------------------------------------------------------

    def reply_to(self, request):
        unit = request.unit_id
        address = getattr(request, "address", 0)
        count = getattr(request, "count", None)
        if count is None:  # a write of several coils holds only its values
            count = len(getattr(request, "values", None) or [0])
        self.log.append(f"{request.function_code} {unit} {address} {count}")
        if unit not in self.units or unit in self.muted:
            return None
        if request.function_code == READ_HOLDING_REGISTERS and any(
            address <= last and first <= address + count - 1 for first, last in self.refused
        ):
            response = ExceptionResponse(request.function_code, ModbusExceptions.IllegalAddress)
        else:
            response = request.execute(self.context[unit])
        response.unit_id = unit
        response.transaction_id = request.transaction_id
        return response

    def answer_tcp(self, sock, framer, request):
        response = self.reply_to(request)
        if response is not None:
            sock.sendall(framer.buildPacket(response))

    def answer_rtu(self, request, request_bytes, received):
        response = self.reply_to(request)
        if response is None:
            return
        packet = self.rtu_framer.buildPacket(response)
        if self.args.pace:
            on_line = (request_bytes + len(packet) + 7) * 11 / self.args.pace
            time.sleep(max(0.0, received + on_line - time.monotonic()))
        os.write(self.serial.fileno(), packet)

    # -- control ------------------------------------------------------------------------------

    def block(self, name):
        return self.context[self.unit].store[OBJECTS[name]]

    def command(self, words):
        verb, rest = words[0], words[1:]
        if verb == "set":
            values = [int(v) for v in rest[2:]]
            self.block(rest[0]).setValues(int(rest[1]), values)
            return "ok"
        if verb == "get":
            count = int(rest[2]) if len(rest) > 2 else 1
            values = self.block(rest[0]).getValues(int(rest[1]), count)
            return " ".join(str(int(v)) for v in values)
        if verb == "unit":
            unit = int(rest[0])
            if unit not in self.units:
                return "error no such unit"
            self.unit = unit
            return "ok"
        if verb in ("mute", "unmute"):
            (self.muted.add if verb == "mute" else self.muted.discard)(int(rest[0]))
            return "ok"
        if verb == "stop":
            self.stop()
            return "ok"
        if verb == "start":
            self.start()
            return "ok"
        if verb == "refuse-gaps":
            first, last = rest[0].split("-")
            self.refused.append((int(first), int(last)))
            return "ok"
        if verb == "log":
            text, self.log = ";".join(self.log), []
            return text
        return f"error unknown command {verb}"

    def run(self):
        self.start()
        where = self.args.port if self.args.mode == "tcp" else self.args.device
        print(f"listening {where}", flush=True)
        pending = b""  # stdin is read unbuffered, so no line waits in a buffer unseen by select
        while True:
            ready, _, _ = select.select(self.readable(), [], [])
            for handle in ready:
                if handle is not sys.stdin:
                    if handle in self.readable():  # not closed by a command just before
                        self.on_readable(handle)
                    continue
                data = os.read(sys.stdin.fileno(), 4096)
                pending += data
                *lines, pending = pending.split(b"\n")
                if not data:
                    lines.append(pending)
                for line in lines:
                    if not self.control(line.decode().split()):
                        self.stop()
                        return
                if not data:
                    self.stop()
                    return

    def control(self, words):
        """Answers one command line; False for quit."""
        if words == ["quit"]:
            return False
        if words:
            try:
                answer = self.command(words)
            except (IndexError, KeyError, ValueError) as fault:
                answer = f"error {fault!r}"
            print(answer, flush=True)
        return True


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("mode", choices=["tcp", "rtu"])
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--device")
    parser.add_argument("--pace", type=int, default=0)
    parser.add_argument("--units", default="1")
    args = parser.parse_args()
    if args.mode == "rtu" and not args.device:
        parser.error("rtu needs --device")
    Peer(args).run()


if __name__ == "__main__":
    main()
