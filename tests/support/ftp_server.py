"""FTP server for the tests.

Users (password "secret"):
  guardrail  home is the served folder; PWD answers "/"
  homeuser   same folder, but starts in /home/u, so PWD answers "/home/u"
Paths are GBK on the wire (the client sends document paths in GBK).
"""
import asynchat
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

root, port = sys.argv[1], int(sys.argv[2])


class Handler(FTPHandler):
    # Paths in the client's code page, as on the workshop's Windows server:
    # document names travel in GBK (ASCII names are the same in UTF-8).
    # pyftpdlib 1.5 hard-codes UTF-8 on the control connection.
    encoding = "gbk"

    def decode(self, data):
        return data.decode(self.encoding, self.unicode_errors)

    def push(self, s):
        asynchat.async_chat.push(self, s.encode(self.encoding, self.unicode_errors))

    def on_login(self, username):
        if username == "homeuser":
            self.fs.cwd = "/home/u"


auth = DummyAuthorizer()
auth.add_user("guardrail", "secret", root, perm="elradfmwMT")
auth.add_user("homeuser", "secret", root, perm="elradfmwMT")
Handler.authorizer = auth
Handler.passive_ports = range(30000, 30100)
server = FTPServer(("127.0.0.1", port), Handler)
server.serve_forever()
